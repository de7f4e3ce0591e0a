package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.io.IOException;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.List;
import java.util.UUID;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;

/**
 * Memory follows what the players see: a column nobody sees any more goes at the next tick, one
 * that changed written first as it is (no copy kept beside it), and read back from there while it
 * is on its way; what another player still sees, or the spawn area, stays.
 */
public class ColumnReleaseTest {
    /** Keeps what it is asked to save, as handed over; its saves wait at a gate while told to. */
    static final class Recorder implements WorldStore {
        final List<Column> saved = new ArrayList<Column>();
        volatile CountDownLatch savesGo = new CountDownLatch(0);

        public StoredLevel loadLevel() {
            return null;
        }

        public void saveLevel(StoredLevel level) {
        }

        public Column loadColumn(int cx, int cz) throws Unavailable {
            synchronized (saved) {
                for (int i = saved.size() - 1; i >= 0; i--) {
                    Column c = saved.get(i);
                    if (c.x == cx && c.z == cz) {
                        return c.copy();
                    }
                }
            }
            return null;
        }

        public void saveColumns(List<Column> columns) throws IOException {
            try {
                savesGo.await();
            } catch (InterruptedException e) {
                throw new IOException(e);
            }
            synchronized (saved) {
                saved.addAll(columns);
                saved.notifyAll();
            }
        }

        public StoredPlayer loadPlayer(String name) {
            return null;
        }

        public String whyNotWritable() {
            return null;
        }

        public void savePlayer(String name, StoredPlayer player) {
        }

        public void close() {
        }

        Column awaitSaved(int cx, int cz) throws InterruptedException {
            long deadline = System.currentTimeMillis() + 10000;
            synchronized (saved) {
                while (System.currentTimeMillis() < deadline) {
                    for (Column c : saved) {
                        if (c.x == cx && c.z == cz) {
                            return c;
                        }
                    }
                    saved.wait(100);
                }
            }
            throw new AssertionError("(" + cx + ", " + cz + ") was not saved");
        }
    }

    private final Recorder store = new Recorder();
    private Game game;
    private GameWorld world;

    @Before
    public void setUp() {
        GameHost host = new GameHost() {
            public void callEvent(org.bukkit.event.Event event) {
            }

            public boolean dispatchCommand(org.bukkit.command.CommandSender sender, String commandLine) {
                return false;
            }

            public List<String> tabCompleteCommand(org.bukkit.command.CommandSender sender, String commandLine) {
                return null;
            }

            public org.bukkit.Server api() {
                return null;
            }
        };
        game = new Game(java.util.logging.Logger.getAnonymousLogger(),
                ServerProperties.parse("view-distance=3\n".getBytes(Charset.forName("UTF-8"))), null, host, store);
        world = game.world();
    }

    @After
    public void tearDown() {
        store.savesGo.countDown();
        world.close();
    }

    private OnlinePlayer online(String name, int cx, int cz) throws Exception {
        OnlinePlayer p = new OnlinePlayer(game.playerGame(), Connections.idle(), name, UUID.randomUUID(), 1, GameMode.CREATIVE);
        game.players().add(p);
        moveTo(p, cx, cz);
        return p;
    }

    /** Puts the player there and waits until its columns are sent. */
    private void moveTo(OnlinePlayer p, int cx, int cz) throws Exception {
        java.util.concurrent.Future<List<byte[]>> sent;
        synchronized (game.lock()) {
            p.x = cx * 16 + 8.5;
            p.y = 4;
            p.z = cz * 16 + 8.5;
            sent = world.stream(p);
        }
        if (sent != null) {
            sent.get(10, TimeUnit.SECONDS);
        }
    }

    private boolean inMemory(int cx, int cz) {
        synchronized (game.lock()) {
            return world.cache().inMemory(ColumnKey.of(cx, cz));
        }
    }

    private void tick() {
        synchronized (game.lock()) {
            world.tick();
        }
    }

    @Test
    public void aChangedColumnLeftBehindIsWrittenAsItIsAndLetGoAtTheNextTick() throws Exception {
        OnlinePlayer p = online("Alex", 10, 10);
        Column live;
        synchronized (game.lock()) {
            world.blocks().setBlock(165, 4, 165, 1, 0);
            live = world.cache().held(ColumnKey.of(10, 10));
        }
        store.savesGo = new CountDownLatch(1);
        moveTo(p, 100, 100);
        assertTrue("still there until the tick", inMemory(10, 10));
        tick();
        assertFalse("gone at the tick", inMemory(10, 10));
        assertFalse("an unchanged column goes without a save", inMemory(9, 9));
        // on its way to the disk: read back from there, not from the store
        synchronized (game.lock()) {
            assertEquals(1, world.blocks().blockAt(165, 4, 165));
        }
        store.savesGo.countDown();
        Column saved = store.awaitSaved(10, 10);
        assertSame("the column itself was written, no copy made", live, saved);
        assertEquals(1, saved.block(5, 4, 5));
        synchronized (store.saved) {
            assertEquals("only the changed column is written", 1, store.saved.size());
        }
    }

    @Test
    public void aColumnAnotherPlayerSeesStays() throws Exception {
        OnlinePlayer alex = online("Alex", 10, 10);
        online("Bo", 12, 10);
        synchronized (game.lock()) {
            world.blocks().setBlock(165, 4, 165, 1, 0);
        }
        moveTo(alex, 100, 100);
        tick();
        assertTrue("Bo sees it", inMemory(10, 10));
        assertFalse("nobody sees it", inMemory(7, 10));
    }

    @Test
    public void theSpawnAreaStaysUnlessItIsNotToBeKept() throws Exception {
        OnlinePlayer p = online("Alex", 10, 10);
        synchronized (game.lock()) {
            world.cache().keeping().keepAround(10, 10, 1);
            world.blocks().setBlock(165, 4, 165, 1, 0);
        }
        moveTo(p, 100, 100);
        tick();
        assertTrue("kept at the spawn", inMemory(10, 10));
        assertTrue(inMemory(11, 9));
        assertFalse("beyond the spawn area", inMemory(12, 10));
        synchronized (game.lock()) {
            world.api().setKeepSpawnInMemory(false);
            assertFalse(world.api().getKeepSpawnInMemory());
            world.saveLater();
        }
        assertEquals(1, store.awaitSaved(10, 10).block(5, 4, 5));
        assertFalse("let go once saved", inMemory(10, 10));
    }

    @Test
    public void aPlayerWhoLeavesTakesItsColumnsWithIt() throws Exception {
        OnlinePlayer p = online("Alex", 10, 10);
        synchronized (game.lock()) {
            world.blocks().setBlock(165, 4, 165, 1, 0);
            game.players().remove(p, "left");
        }
        tick();
        assertFalse(inMemory(10, 10));
        assertEquals(1, store.awaitSaved(10, 10).block(5, 4, 5));
        assertTrue(store.savesGo.await(1, TimeUnit.SECONDS));
    }
}
