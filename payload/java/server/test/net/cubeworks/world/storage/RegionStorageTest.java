package net.cubeworks.world.storage;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.Arrays;
import java.util.zip.Inflater;

import org.junit.Test;

public class RegionStorageTest {
    private static final int[][] PLACES = { { 0, 0 }, { 31, 31 }, { -1, -1 }, { -33, 5 } };

    @Test
    public void columnsAcrossRegionBordersComeBackAndSitWhereTheGameLooks() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        long before = System.currentTimeMillis() / 1000;
        java.util.List<StoredColumn> saved = new java.util.ArrayList<StoredColumn>();
        for (int[] p : PLACES) {
            saved.add(Worlds.marked(p[0], p[1]));
        }
        storage.saveColumns(saved);
        storage.close();

        WorldStorage again = new WorldStorage(world, log);
        for (StoredColumn c : saved) {
            Worlds.assertSameColumn(c, again.loadColumn(c.x, c.z));
        }
        assertNull(again.loadColumn(1, 0));
        assertNull(again.loadColumn(-32, -32)); // no such file: nothing is created for a read
        assertFalse(new File(world, "region/r.-1.0.mca").exists());
        again.close();
        assertEquals("[]", log.all());

        // region = column >> 5 and index = (x & 31) + (z & 31) * 32, as the game computes them
        checkEntry(new File(world, "region/r.0.0.mca"), 0, 0, 0, before);
        checkEntry(new File(world, "region/r.0.0.mca"), 1023, 31, 31, before);
        checkEntry(new File(world, "region/r.-1.-1.mca"), 1023, -1, -1, before);
        checkEntry(new File(world, "region/r.-2.0.mca"), 31 + 5 * 32, -33, 5, before);
        assertEquals(3, new File(world, "region").list().length);
    }

    @Test
    public void aFileLaidOutByHandWithAGzipEntryIsRead() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        byte[] blocks = new byte[4096];
        for (int i = 0; i < blocks.length; i++) {
            blocks[i] = (byte) (i * 7);
        }
        NbtCompound section = new NbtCompound().put("Y", (byte) 3).put("Blocks", blocks);
        byte[] gz = Nbt.gzip(Nbt.write(new NbtCompound().put("Level", new NbtCompound().put("xPos", 3).put("zPos", 4)
                .put("LastUpdate", 9L).put("Sections", NbtList.of(Nbt.COMPOUND, section)))));
        // the same column, stored by a tool under the wrong coordinates, for (4, 4)
        byte[] misplaced = Nbt.zlib(Nbt.write(new NbtCompound().put("Level", new NbtCompound().put("xPos", 40).put("zPos", 4))));
        byte[] file = new byte[4 * 4096];
        Worlds.putInt(file, (3 + 4 * 32) * 4, 2 << 8 | 1);
        Worlds.putInt(file, (4 + 4 * 32) * 4, 3 << 8 | 1);
        Worlds.putInt(file, 2 * 4096, gz.length + 1);
        file[2 * 4096 + 4] = 1;
        System.arraycopy(gz, 0, file, 2 * 4096 + 5, gz.length);
        Worlds.putInt(file, 3 * 4096, misplaced.length + 1);
        file[3 * 4096 + 4] = 2;
        System.arraycopy(misplaced, 0, file, 3 * 4096 + 5, misplaced.length);
        Worlds.write(new File(world, "region/r.0.0.mca"), file);

        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn c = storage.loadColumn(3, 4);
        assertArrayEquals(blocks, c.blocks[3]);
        assertNull(c.blocks[0]);
        assertEquals(2048, c.data[3].length);
        assertEquals(9L, c.lastUpdate);
        assertEquals("[]", log.all());
        StoredColumn moved = storage.loadColumn(4, 4);
        assertEquals(4, moved.x);
        assertTrue(log.all(), log.count() == 1 && log.all().contains("(40, 4)"));
        // written again, both are zlib entries at their own coordinates
        storage.saveColumns(Arrays.asList(c, moved));
        storage.close();
        checkEntry(new File(world, "region/r.0.0.mca"), 3 + 4 * 32, 3, 4, 0);
        checkEntry(new File(world, "region/r.0.0.mca"), 4 + 4 * 32, 4, 4, 0);
    }

    @Test
    public void aColumnThatOutgrowsItsSectorsMovesAndFreedSectorsAreReused() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn left = Worlds.marked(0, 0), mid = Worlds.marked(1, 0), right = Worlds.marked(2, 0);
        storage.saveColumns(Arrays.asList(left, mid, right));
        File f = new File(world, "region/r.0.0.mca");
        int small = Worlds.intAt(Worlds.read(f), 1 * 4);
        assertEquals(1, small & 0xFF);

        StoredColumn big = Worlds.noisy(1, 0, 12, 1);
        storage.saveColumns(Arrays.asList(big));
        byte[] b = Worlds.read(f);
        int moved = Worlds.intAt(b, 1 * 4);
        assertTrue((moved & 0xFF) > 12);
        assertTrue((moved >>> 8) != (small >>> 8));
        assertEquals(0, b.length % 4096);
        Worlds.assertSameColumn(left, storage.loadColumn(0, 0));
        Worlds.assertSameColumn(right, storage.loadColumn(2, 0));
        Worlds.assertSameColumn(big, storage.loadColumn(1, 0));

        // shrinking again frees the big run; another big column of the same size takes it
        storage.saveColumns(Arrays.asList(Worlds.marked(1, 0)));
        long length = f.length();
        StoredColumn other = Worlds.noisy(3, 0, 12, 2);
        storage.saveColumns(Arrays.asList(other));
        assertEquals(length, f.length());
        assertEquals(moved >>> 8, Worlds.intAt(Worlds.read(f), 3 * 4) >>> 8);
        storage.close();

        WorldStorage again = new WorldStorage(world, log);
        Worlds.assertSameColumn(left, again.loadColumn(0, 0));
        Worlds.assertSameColumn(Worlds.marked(1, 0), again.loadColumn(1, 0));
        Worlds.assertSameColumn(right, again.loadColumn(2, 0));
        Worlds.assertSameColumn(other, again.loadColumn(3, 0));
        again.close();
        assertEquals("[]", log.all());
    }

    @Test
    public void aSaveInterruptedBeforeItsHeaderLeavesTheOldColumnReadable() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn old = Worlds.marked(5, 5);
        storage.saveColumns(Arrays.asList(old, Worlds.marked(6, 5)));
        File f = new File(world, "region/r.0.0.mca");
        byte[] header = Arrays.copyOf(Worlds.read(f), 8192);
        StoredColumn changed = Worlds.marked(5, 5);
        changed.blocks[0][0] = 1;
        storage.saveColumns(Arrays.asList(changed, Worlds.noisy(6, 5, 2, 3)));
        storage.close();

        // a crash between the data and the header: the new data is there, the header is the old one
        byte[] b = Worlds.read(f);
        System.arraycopy(header, 0, b, 0, 8192);
        Worlds.write(f, b);
        WorldStorage after = new WorldStorage(world, log);
        Worlds.assertSameColumn(old, after.loadColumn(5, 5));
        Worlds.assertSameColumn(Worlds.marked(6, 5), after.loadColumn(6, 5));
        after.close();
        assertEquals("[]", log.all());
    }

    @Test
    public void brokenEntriesAreReportedAloneAndTheRestOfTheFileIsKept() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        java.util.List<StoredColumn> cols = new java.util.ArrayList<StoredColumn>();
        for (int x = 0; x < 8; x++) {
            cols.add(Worlds.marked(x, 0));
        }
        storage.saveColumns(cols);
        storage.close();

        File f = new File(world, "region/r.0.0.mca");
        byte[] b = Worlds.read(f);
        b[sector(b, 1) + 4] = 7; // unknown compression
        for (int i = 0; i < 64; i++) {
            b[sector(b, 2) + 5 + 10 + i] ^= 0x5A; // zlib stream damaged
        }
        Worlds.putInt(b, sector(b, 3), 4096 * 3); // length past its one sector
        Worlds.putInt(b, 4 * 4, (b.length / 4096 + 3) << 8 | 1); // location past the end
        // valid zlib, but the tag data claims a byte array of 2 GB
        byte[] hostile = Nbt.zlib(new byte[] { 10, 0, 0, 7, 0, 1, 'a', 0x7F, (byte) 0xFF, (byte) 0xFF, (byte) 0xFF, 0 });
        Worlds.putInt(b, sector(b, 5), hostile.length + 1);
        System.arraycopy(hostile, 0, b, sector(b, 5) + 5, hostile.length);
        Worlds.putInt(b, 6 * 4, 1 << 8 | 1); // points into the header
        Worlds.write(f, b);

        WorldStorage again = new WorldStorage(world, log);
        for (int x = 1; x <= 6; x++) {
            int before = log.count();
            assertNull(again.loadColumn(x, 0));
            assertEquals(before + 1, log.count());
            String w = log.warnings.get(before);
            assertTrue(w, w.contains(f.getPath()) && w.contains("(" + x + ", 0)"));
        }
        assertTrue(log.warnings.get(0).contains("compression byte is 7"));
        assertTrue(log.warnings.get(3).contains("past the end"));
        Worlds.assertSameColumn(cols.get(0), again.loadColumn(0, 0));
        Worlds.assertSameColumn(cols.get(7), again.loadColumn(7, 0));

        // writing other columns keeps the broken entries' bytes (bar the one past the end) and the good ones
        again.saveColumns(Arrays.asList(Worlds.marked(9, 0), Worlds.marked(1, 0)));
        again.close();
        byte[] after = Worlds.read(f);
        assertEquals(0, after.length % 4096);
        assertEquals(0, Worlds.intAt(after, 4 * 4));
        assertArrayEquals(Arrays.copyOfRange(b, sector(b, 2), sector(b, 2) + 4096),
                Arrays.copyOfRange(after, sector(after, 2), sector(after, 2) + 4096));
        WorldStorage third = new WorldStorage(world, log);
        Worlds.assertSameColumn(cols.get(0), third.loadColumn(0, 0));
        Worlds.assertSameColumn(Worlds.marked(1, 0), third.loadColumn(1, 0));
        Worlds.assertSameColumn(cols.get(7), third.loadColumn(7, 0));
        Worlds.assertSameColumn(Worlds.marked(9, 0), third.loadColumn(9, 0));
        assertNull(third.loadColumn(2, 0));
        third.close();
        assertEquals(1, Worlds.named(new File(world, "region"), "r.").size());
    }

    private static int sector(byte[] region, int index) {
        return (Worlds.intAt(region, index * 4) >>> 8) * 4096;
    }

    @Test
    public void aRegionFileWithoutAWholeHeaderIsSetAsideAndStartedAnew() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        File f = new File(world, "region/r.-1.0.mca");
        byte[] junk = new byte[5000];
        Arrays.fill(junk, (byte) 3);
        Worlds.write(f, junk);

        WorldStorage storage = new WorldStorage(world, log);
        assertNull(storage.loadColumn(-1, 0));
        assertEquals(1, log.count());
        java.util.List<File> aside = Worlds.named(f.getParentFile(), "r.-1.0.mca.broken-");
        assertEquals(1, aside.size());
        assertTrue(log.all(), log.all().contains(f.getPath()) && log.all().contains(aside.get(0).getPath()));
        assertArrayEquals(junk, Worlds.read(aside.get(0)));
        assertFalse(f.exists());

        StoredColumn c = Worlds.marked(-1, 0);
        storage.saveColumns(Arrays.asList(c));
        Worlds.assertSameColumn(c, storage.loadColumn(-1, 0));
        storage.close();
        assertEquals(8192 + 4096, f.length());
    }

    @Test
    public void aTruncatedRegionFileKeepsTheColumnsBeforeTheCut() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn a = Worlds.marked(0, 0), c = Worlds.noisy(1, 0, 3, 4);
        storage.saveColumns(Arrays.asList(a, c));
        storage.close();
        File f = new File(world, "region/r.0.0.mca");
        byte[] b = Worlds.read(f);
        Worlds.write(f, Arrays.copyOf(b, b.length - 6000));

        WorldStorage again = new WorldStorage(world, log);
        Worlds.assertSameColumn(a, again.loadColumn(0, 0));
        assertNull(again.loadColumn(1, 0));
        assertEquals("reading never changes the file", b.length - 6000, f.length());
        again.saveColumns(Arrays.asList(Worlds.marked(2, 0)));
        assertEquals("padded once it is written", 0, f.length() % 4096);
        assertTrue(log.all(), log.all().contains("padded") && log.all().contains("(1, 0)"));
        Worlds.assertSameColumn(a, again.loadColumn(0, 0));
        again.close();
    }

    @Test
    public void aColumnTooBigForTheFormatIsRefusedAndTheOthersAreSaved() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn huge = Worlds.flat(0, 0);
        byte[] noise = new byte[1100000];
        new java.util.Random(5).nextBytes(noise);
        NbtCompound level = new NbtCompound().put("Junk", noise);
        huge.kept = new NbtCompound().put("Level", level);
        StoredColumn fine = Worlds.marked(1, 0);
        storage.saveColumns(Arrays.asList(huge, fine));
        assertNull(storage.loadColumn(0, 0));
        Worlds.assertSameColumn(fine, storage.loadColumn(1, 0));
        assertEquals(1, log.count());
        assertTrue(log.all().contains("(0, 0) is not saved"));
        storage.close();
    }

    @Test
    public void savesFromSeveralThreadsAtOnceAllArrive() throws Exception {
        File world = Worlds.tempWorld();
        final Worlds.Log log = new Worlds.Log();
        final WorldStorage storage = new WorldStorage(world, log);
        final java.util.concurrent.atomic.AtomicReference<Throwable> failure =
                new java.util.concurrent.atomic.AtomicReference<Throwable>();
        Thread[] threads = new Thread[4];
        for (int t = 0; t < threads.length; t++) {
            final int row = t;
            threads[t] = new Thread() {
                @Override
                public void run() {
                    try {
                        // 16 region files in all, more than stay open: files are closed and reopened
                        for (int x = -40; x < 40; x += 7) {
                            storage.saveColumns(Arrays.asList(Worlds.marked(x, row * 40), Worlds.marked(x + 1, row * 40)));
                            storage.loadColumn(x, row * 40);
                        }
                    } catch (Throwable e) {
                        failure.set(e);
                    }
                }
            };
            threads[t].start();
        }
        for (Thread t : threads) {
            t.join();
        }
        assertNull(failure.get());
        for (int row = 0; row < threads.length; row++) {
            for (int x = -40; x < 40; x += 7) {
                Worlds.assertSameColumn(Worlds.marked(x, row * 40), storage.loadColumn(x, row * 40));
                Worlds.assertSameColumn(Worlds.marked(x + 1, row * 40), storage.loadColumn(x + 1, row * 40));
            }
        }
        storage.close();
        assertEquals("[]", log.all());
        try {
            storage.saveColumns(Arrays.asList(Worlds.marked(0, 0)));
            org.junit.Assert.fail("saving after close");
        } catch (java.io.IOException expected) {
            assertNotNull(expected.getMessage());
        }
    }

    /**
     * Reads one entry the way the game does, without our reader: header location and timestamp,
     * the length counting the compression byte, compression 2, a zlib stream of a root compound ""
     * whose first tag is the compound "Level" with xPos and zPos.
     */
    private static void checkEntry(File f, int index, int cx, int cz, long notBefore) throws Exception {
        byte[] b = Worlds.read(f);
        assertEquals(0, b.length % 4096);
        int loc = Worlds.intAt(b, index * 4);
        int offset = loc >>> 8, count = loc & 0xFF;
        assertTrue(offset >= 2 && count >= 1 && (offset + count) * 4096 <= b.length);
        for (int i = 0; i < 1024; i++) {
            if (i != index && Worlds.intAt(b, i * 4) != 0) {
                assertTrue((Worlds.intAt(b, i * 4) >>> 8) != offset); // no two entries share a start
            }
        }
        long stamp = Worlds.intAt(b, 4096 + index * 4) & 0xFFFFFFFFL;
        assertTrue(stamp >= notBefore && stamp <= System.currentTimeMillis() / 1000 + 1);
        int length = Worlds.intAt(b, offset * 4096);
        assertTrue(length + 4 <= count * 4096);
        assertTrue("the entry takes no more sectors than it needs", length + 4 > (count - 1) * 4096);
        assertEquals(2, b[offset * 4096 + 4]);
        Inflater inf = new Inflater();
        inf.setInput(b, offset * 4096 + 5, length - 1);
        byte[] raw = new byte[1 << 20];
        int n = inf.inflate(raw);
        assertTrue("the zlib stream ends exactly where the length says", inf.finished());
        assertEquals(0, inf.getRemaining());
        byte[] head = { 10, 0, 0, 10, 0, 5, 'L', 'e', 'v', 'e', 'l' };
        assertArrayEquals(head, Arrays.copyOf(raw, head.length));
        NbtCompound level = Nbt.read(Arrays.copyOf(raw, n)).compound("Level");
        assertEquals(cx, ((Integer) level.get("xPos")).intValue());
        assertEquals(cz, ((Integer) level.get("zPos")).intValue());
    }
}
