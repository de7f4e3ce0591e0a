package net.cubeworks.world.storage;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.File;
import java.util.Arrays;
import java.util.concurrent.atomic.AtomicReference;

import org.junit.Test;

/**
 * Kept files that exist but cannot be read now are never taken for "nothing kept": a reader
 * that answered null would have the world play new land or a new player, and write it over
 * what is kept. A file is made unreadable here by putting a folder in its place, which no
 * process can open as a file (the tests may run with every file permission).
 */
public class UnreadableFilesTest {
    @Test
    public void aRegionFileThatCannotBeOpenedIsUnavailableSaidOnceAndReadAgainOnceItCanBe() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn kept = Worlds.marked(3, 4);
        storage.saveColumns(Arrays.asList(kept));
        storage.close();
        File f = new File(world, "region/r.0.0.mca");
        File moved = new File(world, "r.0.0.mca.away");
        assertTrue(f.renameTo(moved));
        assertTrue(f.mkdir());

        WorldStorage again = new WorldStorage(world, log);
        for (int i = 0; i < 3; i++) {
            try {
                again.loadColumn(3, 4);
                fail("a column of a file that cannot be opened is not \"never saved\"");
            } catch (Unavailable expected) {
                assertTrue(expected.getMessage(), expected.getMessage().contains(f.getPath()));
            }
        }
        assertEquals("said once, not at every try: " + log.all(), 1, log.count());
        assertTrue(log.all().contains(f.getPath()));
        // a column of another region file is read as usual meanwhile
        assertNull(again.loadColumn(40, 40));

        assertTrue(f.delete());
        assertTrue(moved.renameTo(f));
        Worlds.assertSameColumn(kept, again.loadColumn(3, 4));
        assertTrue(log.all(), log.all().contains("can be read again"));
        again.close();
    }

    @Test
    public void aPlayerFileThatCannotBeReadIsUnavailableAndLeftAsItIs() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        File f = new File(world, "players/Alex.dat");
        assertTrue(f.mkdirs());
        try {
            storage.loadPlayer("Alex");
            fail("a player file that cannot be read is not \"a new player\"");
        } catch (Unavailable expected) {
            assertTrue(f.isDirectory());
        }
        assertTrue(log.all().contains(f.getPath()));
        storage.close();
    }

    @Test
    public void aWorldFolderThatCannotBeWrittenIsSaidBeforeAnythingIsLost() throws Exception {
        File parent = Worlds.tempWorld();
        File notAFolder = new File(parent, "world");
        Worlds.write(notAFolder, new byte[] {1});
        String why = new WorldStorage(notAFolder, new Worlds.Log()).whyNotWritable();
        assertNotNull(why);
        File folder = new File(parent, "fine");
        assertNull(new WorldStorage(folder, new Worlds.Log()).whyNotWritable());
        assertEquals("the probe leaves nothing behind", 0, folder.list().length);
    }

    /** A player file whose item tag is nested depth deep: compound in compound. */
    private static byte[] deepPlayer(int depth) {
        NbtCompound tag = new NbtCompound();
        NbtCompound inner = tag;
        for (int i = 0; i < depth; i++) {
            NbtCompound next = new NbtCompound();
            inner.put("t", next);
            inner = next;
        }
        NbtCompound item = new NbtCompound().put("id", (short) 1).put("Count", (byte) 1).put("Damage", (short) 0)
                .put("Slot", (byte) 0).put("tag", tag);
        NbtCompound root = new NbtCompound().put("Pos", NbtList.of(Nbt.DOUBLE, 1.0, 4.0, 3.0))
                .put("Inventory", NbtList.of(Nbt.COMPOUND, item));
        return Nbt.gzip(Nbt.write(root));
    }

    /** Runs the read of a player file on a thread with the given stack; answers what it threw or read. */
    private static Object readOn(long stack, final WorldStorage storage) throws Exception {
        final AtomicReference<Object> out = new AtomicReference<Object>();
        Thread t = new Thread(null, new Runnable() {
            public void run() {
                try {
                    out.set(storage.loadPlayer("Deep"));
                } catch (Throwable e) {
                    out.set(e);
                }
            }
        }, "reader", stack);
        t.start();
        t.join(30000);
        return out.get();
    }

    @Test
    public void theDepthLimitHoldsOnAThreadWithLittleStack() throws Exception {
        final File world = Worlds.tempWorld();
        final Worlds.Log log = new Worlds.Log();
        final byte[][] file = new byte[1][];
        // nesting within the limit, written on a thread with room for it as the world's threads have
        Thread writer = new Thread(null, new Runnable() {
            public void run() {
                file[0] = deepPlayer(450);
            }
        }, "writer", 16L << 20);
        writer.start();
        writer.join(30000);
        Worlds.write(new File(world, "players/Deep.dat"), file[0]);
        Object small = readOn(128 * 1024, new WorldStorage(world, log));
        assertTrue("no stack overflow on a small stack: " + small, !(small instanceof Throwable));
        // on the small stack the file could not be read, so it was set aside and nothing is lost;
        // on a stack like the world's threads' it reads
        if (small == null) {
            assertTrue(log.all(), log.all().contains("broken-"));
            Worlds.write(new File(world, "players/Deep.dat"), file[0]);
        }
        Object big = readOn(16L << 20, new WorldStorage(world, log));
        assertTrue("read on the world's threads: " + big, big instanceof StoredPlayer);
        assertEquals(1, ((StoredPlayer) big).inventory.size());
    }
}
