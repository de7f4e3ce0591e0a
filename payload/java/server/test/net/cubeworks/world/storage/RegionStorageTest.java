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
