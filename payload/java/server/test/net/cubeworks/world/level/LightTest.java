package net.cubeworks.world.level;

import static org.junit.Assert.assertEquals;

import java.util.HashMap;
import java.util.Map;
import java.util.Random;

import org.junit.Test;

/** Sky light and block light of a lit column, after changes, and across a border. */
public class LightTest {
    private static final int STONE = 1;
    private static final int GLOWSTONE = 89;
    private static final int TORCH = 50;
    private static final int LEAVES = 18;
    private static final int WATER = 9;
    private static final int GLASS = 20;

    /** A column of stone up to y 47 (three sections) with sky above. */
    private static Column ground(int cx, int cz) {
        Column c = new Column(cx, cz);
        for (int y = 0; y < 48; y++) {
            for (int i = 0; i < 256; i++) {
                c.set(i & 15, y, i >> 4, STONE, 0);
            }
        }
        return c;
    }

    private static Relight.Lights of(final Column... columns) {
        final Map<Long, Column> m = new HashMap<Long, Column>();
        for (Column c : columns) {
            m.put(ColumnKey.of(c.x, c.z), c);
        }
        return new Relight.Lights() {
            public Column column(int x, int z) {
                return m.get(ColumnKey.of(x >> 4, z >> 4));
            }
        };
    }

    @Test
    public void sunlightFallsThroughClearBlocksAndIsDimmedByLeavesAndWater() {
        Column c = ground(0, 0);
        c.set(8, 40, 8, GLASS, 0);
        for (int y = 44; y < 48; y++) {
            c.set(3, y, 3, WATER, 0); // a well of water four deep
        }
        c.set(12, 47, 12, 0, 0);
        c.set(12, 46, 12, 0, 0);
        c.set(12, 45, 12, LEAVES, 0); // a pit roofed with leaves, open above
        ColumnLight.light(c);
        assertEquals(15, c.sky(0, 48, 0));
        assertEquals("stone is dark", 0, c.sky(0, 47, 0));
        assertEquals("water takes 3 a block", 12, c.sky(3, 47, 3));
        assertEquals(9, c.sky(3, 46, 3));
        assertEquals(3, c.sky(3, 44, 3));
        assertEquals("sunlight falls undimmed down the pit", 15, c.sky(12, 46, 12));
        assertEquals("the leaves take 1", 14, c.sky(12, 45, 12));
        assertEquals(0, c.blockLight(12, 46, 12));
    }

    @Test
    public void lightSpreadsFromAGlowingBlockAndSunlightUnderARoof() {
        Column c = ground(0, 0);
        // a room 5x5x3 inside the stone with glowstone in the middle of its floor
        for (int x = 4; x <= 8; x++) {
            for (int z = 4; z <= 8; z++) {
                for (int y = 20; y <= 22; y++) {
                    c.set(x, y, z, 0, 0);
                }
            }
        }
        c.set(6, 20, 6, GLOWSTONE, 0);
        // a roof on posts over open ground at y 48
        for (int x = 0; x <= 6; x++) {
            for (int z = 0; z <= 2; z++) {
                c.set(x, 50, z, STONE, 0);
            }
        }
        ColumnLight.light(c);
        assertEquals(15, c.blockLight(6, 20, 6));
        assertEquals(14, c.blockLight(6, 21, 6));
        assertEquals(12, c.blockLight(4, 20, 5)); // two across, one along
        assertEquals("the room is closed to the sky", 0, c.sky(6, 22, 6));
        assertEquals("no light inside the stone", 0, c.blockLight(6, 18, 6));
        // under the roof, lit from its open sides (the column's west edge lets nothing in yet)
        assertEquals(14, c.sky(6, 49, 1));
        assertEquals(13, c.sky(2, 49, 1));
        assertEquals(12, c.sky(0, 49, 0));
        assertEquals(12, c.sky(0, 48, 0));
    }

    @Test
    public void changesRelightAsIfLitAfresh() {
        Random r = new Random(11);
        int[] ids = {0, 0, 0, STONE, STONE, GLOWSTONE, TORCH, LEAVES, WATER, GLASS};
        Column c = ground(0, 0);
        ColumnLight.light(c);
        Relight.Lights w = of(c);
        for (int i = 0; i < 300; i++) {
            int x = r.nextInt(16);
            int z = r.nextInt(16);
            int y = 30 + r.nextInt(18);
            c.set(x, y, z, ids[r.nextInt(ids.length)], 0);
            Relight.around(w, x, y, z);
            if (i % 25 == 24) {
                Column fresh = c.copy();
                ColumnLight.light(fresh);
                for (int yy = 0; yy < 48; yy++) {
                    for (int b = 0; b < 256; b++) {
                        int bx = b & 15;
                        int bz = b >> 4;
                        String at = "after " + (i + 1) + " changes at " + bx + "," + yy + "," + bz;
                        assertEquals("sky " + at, fresh.sky(bx, yy, bz), c.sky(bx, yy, bz));
                        assertEquals("block " + at, fresh.blockLight(bx, yy, bz), c.blockLight(bx, yy, bz));
                    }
                }
            }
        }
    }

    @Test
    public void lightCrossesTheBorderBetweenColumns() {
        Column a = ground(0, 0);
        Column b = ground(1, 0);
        // a tunnel along x through both, with glowstone at a's east end
        for (int x = 8; x < 16; x++) {
            a.set(x, 30, 5, 0, 0);
            b.set(x - 8, 30, 5, 0, 0);
        }
        a.set(15, 30, 5, GLOWSTONE, 0);
        ColumnLight.light(a);
        ColumnLight.light(b);
        assertEquals("not yet", 0, b.blockLight(0, 30, 5));
        Relight.Lights w = of(a, b);
        Relight.acrossBorder(w, a, b);
        assertEquals(14, b.blockLight(0, 30, 5));
        assertEquals(8, b.blockLight(6, 30, 5));
        assertEquals(2 | 0, a.litBorders);
        assertEquals(1, b.litBorders);
        // closing the tunnel in b darkens what lies beyond, in b only
        b.set(1, 30, 5, STONE, 0);
        Relight.around(w, 17, 30, 5);
        assertEquals(0, b.blockLight(2, 30, 5));
        assertEquals(14, b.blockLight(0, 30, 5));
        // and the glowstone taken away darkens both
        a.set(15, 30, 5, 0, 0);
        Relight.around(w, 15, 30, 5);
        assertEquals(0, a.blockLight(14, 30, 5));
        assertEquals(0, b.blockLight(0, 30, 5));
    }
}
