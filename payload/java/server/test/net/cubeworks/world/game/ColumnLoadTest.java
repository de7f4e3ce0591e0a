package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.IOException;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import java.util.zip.Inflater;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;

/**
 * Saved columns a player is sent are read on the compressor thread, outside the world lock;
 * these tests hold such a load (and a save) at the store while the world goes on, and check
 * that no change is lost and no older bytes come back.
 */
public class ColumnLoadTest {
    /** The saved column the player stands in, with stone at (165, 4, 165). */
    private static final int CX = 10;
    private static final int CZ = 10;

    /**
     * Keeps columns in memory. Loads of a batch (on the generator pool) wait at a gate after reading;
     * saves wait at a gate of their own, and fail while told to.
     */
    static final class HeldStore implements WorldStore {
        final Map<Long, Column> disk = new HashMap<Long, Column>();
        final CountDownLatch loadRead = new CountDownLatch(1);
        final CountDownLatch loadsGo = new CountDownLatch(1);
        volatile CountDownLatch savesGo = new CountDownLatch(0);
        volatile boolean savesFail;
        /** Columns the store cannot read now, as when another program holds their region file. */
        final java.util.Set<Long> unreadable = java.util.Collections.synchronizedSet(new java.util.HashSet<Long>());

        public StoredLevel loadLevel() {
            return null;
        }

        public void saveLevel(StoredLevel level) {
        }

        public StoredPlayer loadPlayer(String name) {
            return null;
        }

        public void savePlayer(String name, StoredPlayer player) {
        }

        public void close() {
        }

        public String whyNotWritable() {
            return null;
        }

        public Column loadColumn(int cx, int cz) throws Unavailable {
            if (unreadable.contains(ColumnKey.of(cx, cz))) {
                throw new Unavailable("held by another program", null);
            }
            Column c;
            synchronized (disk) {
                c = disk.get(ColumnKey.of(cx, cz));
                c = c == null ? null : c.copy();
            }
            String thread = Thread.currentThread().getName();
            if (thread.equals("Chunk compressor") || thread.equals("World generator")) { // a batch's load
                loadRead.countDown();
                await(loadsGo);
            }
            return c;
        }

        public void saveColumns(List<Column> columns) throws IOException {
            await(savesGo);
            if (savesFail) {
                throw new IOException("disk full");
            }
            synchronized (disk) {
                for (Column c : columns) {
                    disk.put(ColumnKey.of(c.x, c.z), c.copy());
                }
            }
        }

        int savedBlock(int x, int y, int z) {
            synchronized (disk) {
                return disk.get(ColumnKey.of(x >> 4, z >> 4)).block(x & 15, y, z & 15);
            }
        }

        private static void await(CountDownLatch gate) {
            try {
                gate.await();
            } catch (InterruptedException ex) {
                throw new IllegalStateException(ex);
            }
        }
    }

    private final HeldStore store = new HeldStore();
    private Game game;
    private GameWorld world;

    @Before
    public void setUp() {
        Column saved = Column.flat(CX, CZ);
        saved.set(5, 4, 5, 1, 0);
        store.disk.put(ColumnKey.of(CX, CZ), saved);
        game = new Game(java.util.logging.Logger.getAnonymousLogger(),
                ServerProperties.parse("view-distance=3\n".getBytes(Charset.forName("UTF-8"))), null, null, store);
        world = game.world();
    }

    @After
    public void tearDown() {
        store.loadsGo.countDown();
        store.savesGo = new CountDownLatch(0);
        world.close();
    }

    /** A player (nobody the world counts as online, so saving lets go of every column) in the saved column. */
    private OnlinePlayer playerInSavedColumn(String name) {
        OnlinePlayer p = new OnlinePlayer(game.playerGame(), Connections.idle(), name, UUID.randomUUID(), 1, GameMode.CREATIVE);
        p.x = CX * 16 + 8.5;
        p.y = 4;
        p.z = CZ * 16 + 8.5;
        return p;
    }

    /** Streams the player's columns and waits until the load of the saved one has read the disk. */
    private Future<List<byte[]>> streamHeldAtTheLoad(OnlinePlayer p) throws Exception {
        Future<List<byte[]>> frames;
        synchronized (game.lock()) {
            frames = world.stream(p);
        }
        assertTrue(store.loadRead.await(10, TimeUnit.SECONDS));
        return frames;
    }

    private int block(int x, int y, int z) {
        synchronized (game.lock()) {
            return world.blocks().blockAt(x, y, z);
        }
    }

    private void setBlock(int x, int y, int z, int id) {
        synchronized (game.lock()) {
            world.blocks().setBlock(x, y, z, id, 0);
        }
    }

    private Future<?> saveLater() {
        synchronized (game.lock()) {
            return world.saveLater();
        }
    }

    @Test
    public void aChangeWhileTheColumnLoadsIsSentKeptAndSaved() throws Exception {
        Future<List<byte[]>> frames = streamHeldAtTheLoad(playerInSavedColumn("Alex"));
        // a dig reads the column at once, with its saved blocks, and changes it
        assertEquals(1, block(165, 4, 165));
        setBlock(166, 4, 166, 5);
        store.loadsGo.countDown();
        Map<Long, byte[]> sent = sentBlocks(frames.get(10, TimeUnit.SECONDS));
        assertEquals(49, sent.size());
        byte[] column = sent.get(ColumnKey.of(CX, CZ));
        assertEquals(1, column[4 << 8 | 5 << 4 | 5]);
        assertEquals("the change is in the column sent", 5, column[4 << 8 | 6 << 4 | 6]);
        // the late load did not replace the changed column
        assertEquals(5, block(166, 4, 166));
        saveLater().get(10, TimeUnit.SECONDS);
        assertEquals(1, store.savedBlock(165, 4, 165));
        assertEquals(5, store.savedBlock(166, 4, 166));
    }

    @Test
    public void aLoadOvertakenByASaveNeverBringsBackTheOlderBytes() throws Exception {
        Future<List<byte[]>> frames = streamHeldAtTheLoad(playerInSavedColumn("Alex"));
        // meanwhile the stone is dug, the column is being saved and let go of
        setBlock(165, 4, 165, 0);
        store.savesGo = new CountDownLatch(1);
        CountDownLatch savesGo = store.savesGo;
        Future<?> save = saveLater();
        // the load that read the stone ends now: the column sent and the world have the hole
        store.loadsGo.countDown();
        Map<Long, byte[]> sent = sentBlocks(frames.get(10, TimeUnit.SECONDS));
        assertEquals(0, sent.get(ColumnKey.of(CX, CZ))[4 << 8 | 5 << 4 | 5]);
        assertEquals(0, block(165, 4, 165));
        savesGo.countDown();
        save.get(10, TimeUnit.SECONDS);
        assertEquals(0, store.savedBlock(165, 4, 165));
        saveLater().get(10, TimeUnit.SECONDS); // lets go of the column again: read back from the disk
        assertEquals(0, block(165, 4, 165));
    }

    @Test
    public void aColumnWhoseSaveFailedIsTakenFromItsCopyNotFromTheDisk() throws Exception {
        setBlock(165, 4, 165, 0);
        store.savesFail = true;
        saveLater().get(10, TimeUnit.SECONDS); // fails, and lets go of the column
        store.loadsGo.countDown();
        Future<List<byte[]>> frames;
        synchronized (game.lock()) {
            frames = world.stream(playerInSavedColumn("Alex"));
        }
        Map<Long, byte[]> sent = sentBlocks(frames.get(10, TimeUnit.SECONDS));
        assertEquals(0, sent.get(ColumnKey.of(CX, CZ))[4 << 8 | 5 << 4 | 5]);
        assertEquals(0, block(165, 4, 165));
        store.savesFail = false;
        saveLater().get(10, TimeUnit.SECONDS);
        assertEquals(0, store.savedBlock(165, 4, 165));
    }

    @Test
    public void aColumnTheStoreCannotReadIsNeitherSentNorWrittenAndComesOnceItCanBeRead() throws Exception {
        long k = ColumnKey.of(CX, CZ);
        store.unreadable.add(k);
        store.loadsGo.countDown();
        net.cubeworks.world.game.world.UnreadableColumns.retryNanos = 0;
        try {
            // a player next to it: the column is in view
            OnlinePlayer p = playerInSavedColumn("Alex");
            p.x -= 16;
            Future<List<byte[]>> frames;
            synchronized (game.lock()) {
                frames = world.stream(p);
            }
            Map<Long, byte[]> sent = sentBlocks(frames.get(10, TimeUnit.SECONDS));
            assertEquals(48, sent.size());
            assertTrue(!sent.containsKey(k));
            synchronized (game.lock()) {
                assertTrue("the player cannot walk in", !p.known.contains(k));
                assertTrue(p.withheld);
            }
            // neither changed as new land nor saved over the kept column
            setBlock(165, 10, 165, 5);
            saveLater().get(10, TimeUnit.SECONDS);
            assertEquals(1, store.savedBlock(165, 4, 165));
            assertEquals(0, store.savedBlock(165, 10, 165));

            store.unreadable.clear();
            synchronized (game.lock()) {
                frames = world.stream(p);
            }
            sent = sentBlocks(frames.get(10, TimeUnit.SECONDS));
            assertEquals(1, sent.size());
            assertEquals("the kept stone", 1, sent.get(k)[4 << 8 | 5 << 4 | 5]);
        } finally {
            net.cubeworks.world.game.world.UnreadableColumns.retryNanos = 5000000000L;
        }
    }

    /** The block ids of every column in Map Chunk Bulk frames (each frame: length, id, body), by column. */
    static Map<Long, byte[]> sentBlocks(List<byte[]> frames) throws Exception {
        Map<Long, byte[]> out = new HashMap<Long, byte[]>();
        for (byte[] frame : frames) {
            DataInputStream d = new DataInputStream(new ByteArrayInputStream(frame));
            readVarInt(d);
            assertEquals(0x26, readVarInt(d));
            int n = d.readShort();
            byte[] packed = new byte[d.readInt()];
            d.readBoolean();
            d.readFully(packed);
            Inflater inf = new Inflater();
            inf.setInput(packed);
            byte[] data = new byte[n * 196864];
            inf.inflate(data);
            inf.end();
            int off = 0;
            for (int i = 0; i < n; i++) {
                long k = ColumnKey.of(d.readInt(), d.readInt());
                int mask = d.readUnsignedShort();
                d.readUnsignedShort();
                byte[] blocks = new byte[65536];
                List<Integer> sections = new ArrayList<Integer>();
                for (int sy = 0; sy < 16; sy++) {
                    if ((mask & 1 << sy) != 0) {
                        sections.add(sy);
                    }
                }
                for (int j = 0; j < sections.size(); j++) {
                    System.arraycopy(data, off + j * 4096, blocks, sections.get(j) * 4096, 4096);
                }
                out.put(k, blocks);
                off += sections.size() * 10240 + 256;
            }
        }
        return out;
    }

    private static int readVarInt(DataInputStream d) throws IOException {
        int v = 0;
        for (int shift = 0; ; shift += 7) {
            int b = d.readUnsignedByte();
            v |= (b & 0x7F) << shift;
            if ((b & 0x80) == 0) {
                return v;
            }
        }
    }
}
