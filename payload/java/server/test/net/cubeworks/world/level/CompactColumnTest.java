package net.cubeworks.world.level;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Random;

import org.junit.Test;

/**
 * The column kept small (sections of one block, palettes of up to 16 states, shared light and
 * metadata) reads back exactly what was put in, whatever the order of changes, packing and
 * copies; a copy and its original never see each other's later changes.
 */
public class CompactColumnTest {
    /** What a column should hold, kept the plain way. */
    private static final class Model {
        final byte[] ids = new byte[65536];
        final byte[] meta = new byte[65536];

        void set(int x, int y, int z, int id, int data) {
            int i = y << 8 | z << 4 | x;
            ids[i] = (byte) id;
            meta[i] = (byte) data;
        }

        Model copy() {
            Model m = new Model();
            System.arraycopy(ids, 0, m.ids, 0, ids.length);
            System.arraycopy(meta, 0, m.meta, 0, meta.length);
            return m;
        }
    }

    private static void assertSame(Model m, Column c) {
        for (int y = 0; y < 256; y++) {
            for (int z = 0; z < 16; z++) {
                for (int x = 0; x < 16; x++) {
                    int i = y << 8 | z << 4 | x;
                    assertEquals("id at " + x + "," + y + "," + z, m.ids[i] & 0xFF, c.block(x, y, z));
                    assertEquals("meta at " + x + "," + y + "," + z, m.meta[i], c.meta(x, y, z));
                }
            }
        }
        int mask = 0;
        for (int i = 0; i < 65536; i++) {
            if (m.ids[i] != 0) {
                mask |= 1 << (i >> 12);
            }
        }
        assertEquals("the sections that hold a block", mask, c.sectionMask());
        for (int sy = 0; sy < 16; sy++) {
            byte[] ids = c.sectionBlocks(sy);
            byte[] meta = c.sectionMeta(sy);
            if (ids == null) {
                for (int i = 0; i < 4096; i++) {
                    assertEquals(0, m.ids[sy << 12 | i]);
                }
                assertNull(meta);
                continue;
            }
            for (int i = 0; i < 4096; i++) {
                assertEquals(m.ids[sy << 12 | i], ids[i]);
                int n = (i & 1) == 0 ? meta[i >> 1] & 15 : (meta[i >> 1] >> 4) & 15;
                assertEquals(m.meta[sy << 12 | i], n);
            }
        }
    }

    /** A random change: mostly among a few states (packed), now and then many (unpacked). */
    private static void change(Random r, Model m, Column c, int kinds) {
        int x = r.nextInt(16);
        int z = r.nextInt(16);
        int y = r.nextInt(64);
        int id = r.nextInt(kinds);
        int data = kinds > 16 ? r.nextInt(16) : id % 3;
        m.set(x, y, z, id, data);
        c.set(x, y, z, id, data);
    }

    @Test
    public void packedColumnReadsBackWhatWasPut() {
        Random r = new Random(7);
        for (int round = 0; round < 6; round++) {
            Model m = new Model();
            Column c = new Column(0, 0);
            int kinds = round < 2 ? 4 : round < 4 ? 15 : 40;
            for (int i = 0; i < 20000; i++) {
                change(r, m, c, kinds);
                if (i % 5000 == 4999) {
                    c.compact();
                }
            }
            assertSame(m, c);
            c.compact();
            assertSame(m, c);
        }
    }

    @Test
    public void copiesDoNotSeeEachOthersChanges() {
        Random r = new Random(11);
        Model m = new Model();
        Column c = new Column(3, 4);
        for (int i = 0; i < 5000; i++) {
            change(r, m, c, 12);
        }
        ColumnLight.light(c);
        for (int round = 0; round < 20; round++) {
            Model mc = m.copy();
            Column copy = c.copy();
            int kinds = round % 3 == 0 ? 30 : 10;
            for (int i = 0; i < 300; i++) {
                change(r, m, c, kinds);
                change(r, mc, copy, kinds);
                if (i % 7 == 0) {
                    int x = r.nextInt(16);
                    int y = r.nextInt(64);
                    int zz = r.nextInt(16);
                    int before = copy.sky(x, y, zz);
                    c.setSky(x, y, zz, (before + 5) & 15);
                    assertEquals("the copy's light stays", before, copy.sky(x, y, zz));
                }
            }
            if (round % 4 == 0) {
                c.compact();
            }
            assertSame(m, c);
            assertSame(mc, copy);
            m = round % 2 == 0 ? m : mc;
            c = round % 2 == 0 ? c : copy;
        }
    }

    @Test
    public void sectionsOfOneBlockAndLightOfOneLevelAreSmall() {
        Column c = new Column(0, 0);
        for (int y = 0; y < 32; y++) {
            for (int z = 0; z < 16; z++) {
                for (int x = 0; x < 16; x++) {
                    c.set(x, y, z, 1, 0); // stone
                }
            }
        }
        ColumnLight.light(c);
        int full = c.footprint();
        assertTrue("two sections of stone, dark, take " + full + " bytes", full < 1000);
        c.set(3, 5, 7, 4, 0);
        ColumnLight.light(c);
        assertTrue("a palette of two: " + c.footprint(), c.footprint() < 3000);
        assertEquals(4, c.block(3, 5, 7));
        assertEquals(1, c.block(3, 6, 7));
        byte[] data = c.chunkData(c.sectionMask());
        assertEquals(2 * 10240 + 256, data.length);
        assertEquals(4, data[5 << 8 | 7 << 4 | 3]);
    }

    @Test
    public void chunkDataIsTheLayoutTheClientReads() {
        Random r = new Random(3);
        Model m = new Model();
        Column c = new Column(0, 0);
        for (int i = 0; i < 3000; i++) {
            change(r, m, c, 20);
        }
        ColumnLight.light(c);
        int mask = c.sectionMask();
        int n = Integer.bitCount(mask);
        byte[] data = c.chunkData(mask);
        int k = 0;
        for (int sy = 0; sy < 16; sy++) {
            if ((mask & 1 << sy) == 0) {
                continue;
            }
            byte[] ids = new byte[4096];
            System.arraycopy(data, k * 4096, ids, 0, 4096);
            assertArrayEquals(c.sectionBlocks(sy), ids);
            byte[] meta = new byte[2048];
            System.arraycopy(data, n * 4096 + k * 2048, meta, 0, 2048);
            assertArrayEquals(c.sectionMeta(sy), meta);
            byte[] block = new byte[2048];
            System.arraycopy(data, n * 6144 + k * 2048, block, 0, 2048);
            assertArrayEquals(c.sectionBlockLight(sy), block);
            byte[] sky = new byte[2048];
            System.arraycopy(data, n * 8192 + k * 2048, sky, 0, 2048);
            assertArrayEquals(c.sectionSkyLight(sy), sky);
            k++;
        }
    }
}
