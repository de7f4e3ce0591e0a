package net.cubeworks.world.generation;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

import net.cubeworks.world.level.Column;

/**
 * Oak, birch and spruce trees. Where trees stand in a column, their kind and shape follow from
 * the seed and the column's place alone, and so does the ground they stand on, so a column draws
 * every tree that reaches into it, its own and its neighbours', and a tree comes out whole on
 * both sides of a border whichever column is made first.
 */
final class Trees {
    static final int OAK = 0;
    static final int SPRUCE = 1;
    static final int BIRCH = 2;
    /** How far leaves reach from a trunk. */
    static final int REACH = 3;

    /** One planned tree: where its trunk stands and its own random choices. */
    static final class Tree {
        final int x;
        final int z;
        final long seed;

        Tree(int x, int z, long seed) {
            this.x = x;
            this.z = z;
            this.seed = seed;
        }
    }

    private Trees() {
    }

    /** How many trees a column of the biome tries to grow. */
    static int perColumn(int biome, Random r) {
        switch (biome) {
            case Biomes.FOREST:
            case Biomes.BIRCH_FOREST:
            case Biomes.TAIGA:
                return 8 + r.nextInt(3);
            case Biomes.SWAMPLAND:
                return 2;
            case Biomes.EXTREME_HILLS:
                return r.nextInt(3);
            case Biomes.PLAINS:
                return r.nextInt(10) == 0 ? 1 : 0;
            default:
                return 0;
        }
    }

    /** The trees a column plans, in order. */
    static List<Tree> plan(Shape shape, int cx, int cz) {
        Random r = new Random(Seeds.of(shape.seed, cx, cz, 7001));
        int biome = Climate.at(shape, (cx << 4) + 8, (cz << 4) + 8).biome;
        int n = perColumn(biome, r);
        List<Tree> trees = new ArrayList<Tree>(n);
        for (int i = 0; i < n; i++) {
            int x = (cx << 4) + r.nextInt(16);
            int z = (cz << 4) + r.nextInt(16);
            trees.add(new Tree(x, z, r.nextLong()));
        }
        return trees;
    }

    /** Draws into the column every tree of it and of its eight neighbours that reaches it. */
    static void grow(Shape shape, Column c, Shape.Grid own) {
        int x0 = c.x << 4;
        int z0 = c.z << 4;
        for (int ncx = c.x - 1; ncx <= c.x + 1; ncx++) {
            for (int ncz = c.z - 1; ncz <= c.z + 1; ncz++) {
                for (Tree t : plan(shape, ncx, ncz)) {
                    if (t.x < x0 - REACH || t.x > x0 + 15 + REACH || t.z < z0 - REACH || t.z > z0 + 15 + REACH) {
                        continue;
                    }
                    boolean inside = ncx == c.x && ncz == c.z;
                    Shape.Grid g = inside ? own : shape.around(t.x, t.z);
                    draw(shape, c, t, g);
                }
            }
        }
    }

    private static void draw(Shape shape, Column c, Tree t, Shape.Grid g) {
        int top = g.top(t.x, t.z);
        if (top <= Shape.SEA_LEVEL || top > 230) {
            return;
        }
        if (Shape.carved(g, t.x, top, t.z, top) || Shape.carved(g, t.x, top - 1, t.z, top)) {
            return;
        }
        int biome = Climate.at(shape, t.x, t.z).biome;
        if (Biomes.sandy(biome) || biome == Biomes.OCEAN || biome == Biomes.RIVER) {
            return;
        }
        Random r = new Random(t.seed);
        int kind;
        if (biome == Biomes.TAIGA) {
            kind = SPRUCE;
        } else if (biome == Biomes.BIRCH_FOREST) {
            kind = BIRCH;
        } else if (biome == Biomes.EXTREME_HILLS) {
            kind = r.nextInt(3) == 0 ? OAK : SPRUCE;
        } else if (biome == Biomes.FOREST) {
            kind = r.nextInt(5) == 0 ? BIRCH : OAK;
        } else {
            kind = OAK;
        }
        int height = kind == SPRUCE ? 6 + r.nextInt(4) : kind == BIRCH ? 5 + r.nextInt(3) : 4 + r.nextInt(3);
        int crown = top + height;
        if (kind == SPRUCE) {
            for (int y = crown + 1; y >= top + 3; y--) {
                // a cone of rings, each second ring drawn in a little, as wide as 3 at the bottom
                int dist = crown + 1 - y;
                int radius = dist == 0 ? 0 : Math.min(REACH, (dist + 1) / 2);
                if (dist > 1 && dist % 2 == 1) {
                    radius = Math.max(1, radius - 1);
                }
                for (int dx = -radius; dx <= radius; dx++) {
                    for (int dz = -radius; dz <= radius; dz++) {
                        if (radius > 0 && Math.abs(dx) + Math.abs(dz) > radius + 1) {
                            continue;
                        }
                        leaf(c, t.x + dx, y, t.z + dz, kind);
                    }
                }
            }
        } else {
            for (int y = crown - 2; y <= crown + 1; y++) {
                int radius = y <= crown - 1 ? 2 : 1;
                for (int dx = -radius; dx <= radius; dx++) {
                    for (int dz = -radius; dz <= radius; dz++) {
                        boolean corner = Math.abs(dx) == radius && Math.abs(dz) == radius;
                        // the random draw is made for every corner, inside the column or not,
                        // so both sides of a border agree on the rest
                        boolean drop = corner && (y == crown + 1 || r.nextInt(2) == 0);
                        if (!drop) {
                            leaf(c, t.x + dx, y, t.z + dz, kind);
                        }
                    }
                }
            }
        }
        for (int y = top + 1; y <= crown; y++) {
            log(c, t.x, y, t.z, kind);
        }
        if (inside(c, t.x, t.z)) {
            c.set(t.x & 15, top, t.z & 15, Blocks.DIRT, 0);
        }
    }

    private static boolean inside(Column c, int x, int z) {
        return x >> 4 == c.x && z >> 4 == c.z;
    }

    private static void leaf(Column c, int x, int y, int z, int kind) {
        if (inside(c, x, z) && y < 256 && c.block(x & 15, y, z & 15) == Blocks.AIR) {
            c.set(x & 15, y, z & 15, Blocks.LEAVES, kind);
        }
    }

    private static void log(Column c, int x, int y, int z, int kind) {
        if (!inside(c, x, z) || y > 255) {
            return;
        }
        int id = c.block(x & 15, y, z & 15);
        if (id == Blocks.AIR || id == Blocks.LEAVES) {
            c.set(x & 15, y, z & 15, Blocks.LOG, kind);
        }
    }
}
