package net.cubeworks.world.generation;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.Callable;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;

import org.junit.Test;

import net.cubeworks.world.level.Column;

/** The natural world: the same land for the same seed however it is made, and land that looks natural. */
public class NaturalGeneratorTest {
    private static final long SEED = 8675309L;

    private static byte[] bytes(Column c) {
        return c.chunkData(0xFFFF & c.sectionMask());
    }

    @Test
    public void theSameSeedGivesTheSameBytesInAnyOrderAndOnAnyThread() throws Exception {
        final int n = 6;
        WorldGenerator first = WorldChoice.generator("default", SEED, "");
        Map<String, byte[]> inOrder = new HashMap<String, byte[]>();
        for (int x = 0; x < n; x++) {
            for (int z = 0; z < n; z++) {
                inOrder.put(x + "," + z, bytes(first.generate(x - 3, z - 3)));
            }
        }
        // a fresh generator, the columns backwards, four threads at once
        final WorldGenerator second = WorldChoice.generator("default", SEED, "");
        ExecutorService pool = Executors.newFixedThreadPool(4);
        try {
            Map<String, Future<byte[]>> futures = new HashMap<String, Future<byte[]>>();
            for (int x = n - 1; x >= 0; x--) {
                for (int z = n - 1; z >= 0; z--) {
                    final int cx = x - 3;
                    final int cz = z - 3;
                    futures.put(x + "," + z, pool.submit(new Callable<byte[]>() {
                        public byte[] call() {
                            return bytes(second.generate(cx, cz));
                        }
                    }));
                }
            }
            for (Map.Entry<String, byte[]> e : inOrder.entrySet()) {
                assertArrayEquals("column " + e.getKey(), e.getValue(), futures.get(e.getKey()).get());
            }
        } finally {
            pool.shutdown();
        }
        WorldGenerator other = WorldChoice.generator("default", SEED + 1, "");
        assertFalse("another seed, other land", Arrays.equals(inOrder.get("3,3"), bytes(other.generate(0, 0))));
    }

    @Test
    public void theLandHasASeaBedrockStoneUnderSoilAndTheBiomesOfTheGame() {
        WorldGenerator g = WorldChoice.generator("default", SEED, "");
        List<Integer> landHeights = new ArrayList<Integer>();
        int waterTops = 0;
        int columns = 0;
        int[] bedrockAt = new int[8];
        for (int x = -6; x < 6; x++) {
            for (int z = -6; z < 6; z++) {
                Column c = g.generate(x * 5, z * 5);
                columns++;
                for (int bx = 0; bx < 16; bx++) {
                    for (int bz = 0; bz < 16; bz++) {
                        for (int y = 0; y < 8; y++) {
                            if (c.block(bx, y, bz) == Blocks.BEDROCK) {
                                bedrockAt[y]++;
                            }
                        }
                    }
                }
                int h = c.height(8, 8);
                int top = c.block(8, h - 1, 8);
                if (top == Blocks.WATER) {
                    waterTops++;
                    assertEquals("the sea's surface", Shape.SEA_LEVEL + 1, h);
                } else {
                    landHeights.add(h);
                }
                // under the soil of every land column there is stone
                int ground = groundTop(c, 3, 3);
                if (ground > 20) {
                    int stone = 0;
                    for (int y = ground - 12; y < ground - 6; y++) {
                        stone += c.block(3, y, 3) == Blocks.STONE || c.block(3, y, 3) == Blocks.SANDSTONE ? 1 : 0;
                    }
                    assertTrue("mostly stone well under the surface of " + c.x + "," + c.z, stone >= 1
                            || hasCaveOrOre(c, 3, ground - 12, ground - 6, 3));
                }
            }
        }
        int all = columns * 256;
        assertEquals("bedrock everywhere at y 0", all, bedrockAt[0]);
        assertTrue(Arrays.toString(bedrockAt), bedrockAt[1] > bedrockAt[2] && bedrockAt[2] > bedrockAt[3]
                && bedrockAt[3] > bedrockAt[4] && bedrockAt[4] > 0);
        assertEquals("none above y 4", 0, bedrockAt[5] + bedrockAt[6] + bedrockAt[7]);
        assertTrue("about 80% at y 1: " + bedrockAt[1], Math.abs(bedrockAt[1] - all * 0.8) < all * 0.05);
        assertTrue("some sea and much land: " + waterTops + " of " + columns, waterTops > 0 && waterTops < columns * 0.8);
        java.util.Collections.sort(landHeights);
        int median = landHeights.get(landHeights.size() / 2);
        assertTrue("land lies near the sea: median height " + median, median >= 63 && median <= 85);

        Set<Integer> biomes = new HashSet<Integer>();
        Shape shape = new Shape(SEED, 1.0, 1.0);
        for (int x = -4000; x <= 4000; x += 64) {
            for (int z = -4000; z <= 4000; z += 64) {
                biomes.add(Climate.at(shape, x, z).biome);
            }
        }
        for (int b : new int[] {Biomes.OCEAN, Biomes.PLAINS, Biomes.DESERT, Biomes.EXTREME_HILLS, Biomes.FOREST,
            Biomes.TAIGA, Biomes.SWAMPLAND, Biomes.RIVER, Biomes.BEACH}) {
            assertTrue("biome " + b + " among " + biomes, biomes.contains(b));
        }
    }

    private static int groundTop(Column c, int bx, int bz) {
        for (int y = 255; y > 0; y--) {
            int id = c.block(bx, y, bz);
            if (id == Blocks.STONE || id == Blocks.DIRT || id == Blocks.GRASS || id == Blocks.SAND
                    || id == Blocks.GRAVEL || id == Blocks.SANDSTONE) {
                return y;
            }
        }
        return 0;
    }

    private static boolean hasCaveOrOre(Column c, int bx, int from, int to, int bz) {
        for (int y = from; y < to; y++) {
            int id = c.block(bx, y, bz);
            if (id != Blocks.STONE && id != Blocks.DIRT && id != Blocks.SAND) {
                return true;
            }
        }
        return false;
    }

    @Test
    public void oresLieAtTheGamesDepthsAndCavesAreCut() {
        WorldGenerator g = WorldChoice.generator("default", SEED, "");
        int[] byId = new int[256];
        int highestDiamond = 0;
        int highestGold = 0;
        int highestIron = 0;
        int caveAir = 0;
        int lava = 0;
        int n = 0;
        for (int x = 0; x < 8; x++) {
            for (int z = 0; z < 8; z++) {
                Column c = g.generate(x * 3 + 40, z * 3 - 20);
                n++;
                for (int bx = 0; bx < 16; bx++) {
                    for (int bz = 0; bz < 16; bz++) {
                        int ground = groundTop(c, bx, bz);
                        for (int y = 0; y < 256; y++) {
                            int id = c.block(bx, y, bz);
                            byId[id]++;
                            if (id == Blocks.DIAMOND_ORE) {
                                highestDiamond = Math.max(highestDiamond, y);
                            } else if (id == Blocks.GOLD_ORE) {
                                highestGold = Math.max(highestGold, y);
                            } else if (id == Blocks.IRON_ORE) {
                                highestIron = Math.max(highestIron, y);
                            } else if (id == 0 && y > 10 && y < ground - 8) {
                                caveAir++;
                            } else if (id == Blocks.LAVA) {
                                assertTrue("lava only at the bottom of caves: y " + y, y <= 10);
                                lava++;
                            }
                        }
                    }
                }
            }
        }
        // a vein starts below its limit and creeps a few blocks at most
        assertTrue("diamonds below y 16 (+ a vein's reach): " + highestDiamond, highestDiamond < 16 + 7);
        assertTrue("gold below y 32: " + highestGold, highestGold < 32 + 8);
        assertTrue("iron below y 64: " + highestIron, highestIron < 64 + 8);
        double perColumn = 1.0 / n;
        assertTrue("coal is the commonest ore", byId[Blocks.COAL_ORE] > byId[Blocks.GOLD_ORE] * 5);
        assertTrue("iron: " + byId[Blocks.IRON_ORE] * perColumn, byId[Blocks.IRON_ORE] * perColumn > 40);
        assertTrue("diamonds: " + byId[Blocks.DIAMOND_ORE] * perColumn,
                byId[Blocks.DIAMOND_ORE] * perColumn > 0.5 && byId[Blocks.DIAMOND_ORE] * perColumn < 8);
        assertTrue("redstone", byId[Blocks.REDSTONE_ORE] > byId[Blocks.DIAMOND_ORE]);
        assertTrue("lapis", byId[Blocks.LAPIS_ORE] > 0);
        assertTrue("gravel pockets", byId[Blocks.GRAVEL] > 0);
        assertTrue("caves run through the stone: " + caveAir, caveAir > n * 50);
        assertTrue("lava at the bottom of caves", lava > 0);
    }

    /** The 4x4 columns from (x0, z0), generated in a shuffled order, by block coordinates. */
    private static Map<Long, Column> area(WorldGenerator g, int x0, int z0) {
        List<int[]> order = new ArrayList<int[]>();
        for (int x = 0; x < 4; x++) {
            for (int z = 0; z < 4; z++) {
                order.add(new int[] {x0 + x, z0 + z});
            }
        }
        java.util.Collections.shuffle(order, new java.util.Random(3));
        Map<Long, Column> out = new HashMap<Long, Column>();
        for (int[] o : order) {
            out.put(net.cubeworks.world.level.ColumnKey.of(o[0], o[1]), g.generate(o[0], o[1]));
        }
        return out;
    }

    private static int block(Map<Long, Column> area, int x, int y, int z) {
        Column c = area.get(net.cubeworks.world.level.ColumnKey.of(x >> 4, z >> 4));
        return c.block(x & 15, y, z & 15);
    }

    @Test
    public void treesAreWholeAcrossColumnBorders() {
        WorldGenerator g = WorldChoice.generator("default", SEED, "");
        Shape shape = new Shape(SEED, 1.0, 1.0);
        // a forest to look in
        int fx = 0;
        int fz = 0;
        search:
        for (int x = 0; x < 4000; x += 16) {
            for (int z = 0; z < 4000; z += 16) {
                int b = Climate.at(shape, x, z).biome;
                if (b == Biomes.FOREST && Climate.at(shape, x + 48, z + 48).biome == Biomes.FOREST) {
                    fx = x >> 4;
                    fz = z >> 4;
                    break search;
                }
            }
        }
        Map<Long, Column> area = area(g, fx, fz);
        int tops = 0;
        int nearBorder = 0;
        for (int x = (fx + 1) * 16; x < (fx + 3) * 16; x++) {
            for (int z = (fz + 1) * 16; z < (fz + 3) * 16; z++) {
                for (int y = 64; y < 250; y++) {
                    if (block(area, x, y, z) != Blocks.LOG || block(area, x, y + 1, z) == Blocks.LOG
                            || block(area, x, y - 1, z) != Blocks.LOG) {
                        continue;
                    }
                    tops++;
                    int lx = x & 15;
                    int lz = z & 15;
                    if (lx < 2 || lx > 13 || lz < 2 || lz > 13) {
                        nearBorder++;
                    }
                    int[][] around = {{1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}, {0, 1, 0}};
                    for (int[] d : around) {
                        int id = block(area, x + d[0], y + d[1], z + d[2]);
                        assertTrue("leaves around the top of the trunk at " + x + "," + y + "," + z + " (" + d[0] + ","
                                + d[1] + "," + d[2] + "): " + id, id == Blocks.LEAVES || id == Blocks.LOG);
                    }
                }
            }
        }
        assertTrue("a forest has trees: " + tops, tops > 10);
        assertTrue("some stand by a border: " + nearBorder, nearBorder > 2);
    }

    @Test
    public void largeBiomesAreWiderAndAmplifiedHillsTaller() {
        Shape usual = new Shape(SEED, 1.0, 1.0);
        Shape large = new Shape(SEED, 4.0, 1.0);
        int changesUsual = 0;
        int changesLarge = 0;
        for (int x = 0; x < 8000; x += 16) {
            changesUsual += Climate.at(usual, x, 0).biome != Climate.at(usual, x + 16, 0).biome ? 1 : 0;
            changesLarge += Climate.at(large, x, 0).biome != Climate.at(large, x + 16, 0).biome ? 1 : 0;
        }
        assertTrue(changesUsual + " biome borders against " + changesLarge, changesLarge * 2 < changesUsual);
        int highUsual = 0;
        int highAmplified = 0;
        WorldGenerator a = WorldChoice.generator("amplified", SEED, "");
        WorldGenerator d = WorldChoice.generator("default", SEED, "");
        for (int i = 0; i < 40; i++) {
            highUsual = Math.max(highUsual, d.generate(i * 7, i * 3).height(8, 8));
            highAmplified = Math.max(highAmplified, a.generate(i * 7, i * 3).height(8, 8));
        }
        assertTrue(highUsual + " against " + highAmplified, highAmplified > highUsual);
    }

    @Test
    public void theSpawnIsOnDryGroundNearTheOrigin() {
        for (long seed : new long[] {1, 2, 3, SEED}) {
            WorldGenerator g = WorldChoice.generator("default", seed, "");
            int[] s = g.spawn();
            assertTrue(Arrays.toString(s), Math.abs(s[0]) < 600 && Math.abs(s[2]) < 600);
            Column c = g.generate(s[0] >> 4, s[2] >> 4);
            int ground = c.block(s[0] & 15, s[1] - 1, s[2] & 15);
            assertTrue("ground " + ground, ground == Blocks.GRASS || ground == Blocks.SAND);
            assertEquals(0, c.block(s[0] & 15, s[1] + 1, s[2] & 15));
            assertTrue(s[1] > Shape.SEA_LEVEL);
        }
    }
}
