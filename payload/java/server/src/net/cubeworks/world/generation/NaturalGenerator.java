package net.cubeworks.world.generation;

import java.util.Random;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnLight;

/**
 * The natural world: biomes, hills and plains around a sea at y 62, sand by the water and in
 * deserts, dirt and grass over stone, caves (lava below y 11), ores, trees, tall grass and
 * flowers, bedrock at the bottom. {@link #generate} is a pure function of the seed and the
 * column's place and may run on any thread.
 */
public final class NaturalGenerator implements WorldGenerator {
    private final Shape shape;
    private final String name;

    /**
     * @param biomeScale 1 for the usual size of biomes, 4 for the large biomes variant
     * @param amplify 1 for the usual hills, 2 for the amplified variant's taller ones
     */
    public NaturalGenerator(long seed, double biomeScale, double amplify, String name) {
        this.shape = new Shape(seed, biomeScale, amplify);
        this.name = name;
    }

    public String name() {
        return name;
    }

    public String options() {
        return "";
    }

    public boolean flatDefault() {
        return false;
    }

    public long seed() {
        return shape.seed;
    }

    public Column generate(int cx, int cz) {
        Column c = new Column(cx, cz);
        Shape.Grid g = shape.columnGrid(cx << 2, cz << 2);
        int x0 = cx << 4;
        int z0 = cz << 4;
        byte[] biomes = c.biomes();
        for (int bz = 0; bz < 16; bz++) {
            for (int bx = 0; bx < 16; bx++) {
                int x = x0 + bx;
                int z = z0 + bz;
                int biome = Climate.at(shape, x, z).biome;
                biomes[bz << 4 | bx] = (byte) biome;
                fill(c, g, bx, bz, x, z, biome);
            }
        }
        Ores.place(shape.seed, c);
        Trees.grow(shape, c, g);
        plants(c);
        ColumnLight.light(c);
        return c;
    }

    /** One block column: ground, its surface, water, caves and bedrock. */
    private void fill(Column c, Shape.Grid g, int bx, int bz, int x, int z, int biome) {
        int top = g.top(x, z);
        long seed = shape.seed;
        int soil = 3 + Seeds.at(seed, x, 0, z, 11, 2);
        boolean sandy = Biomes.sandy(biome) || (top <= Shape.SEA_LEVEL + 1 && top >= Shape.SEA_LEVEL - 2
                && biome != Biomes.SWAMPLAND && biome != Biomes.RIVER);
        int depth = -1; // blocks of ground from the surface down; -1 above it
        for (int y = Math.max(top, Shape.SEA_LEVEL); y >= 0; y--) {
            boolean solid = y <= top && g.solid(x, y, z);
            if (!solid) {
                if (y <= Shape.SEA_LEVEL) {
                    c.set(bx, y, bz, Blocks.WATER, 0);
                }
                if (depth >= 0) {
                    depth = -1; // an overhang: the ground below starts a new surface
                }
                continue;
            }
            depth++;
            int id;
            if (depth == 0) {
                if (top < Shape.SEA_LEVEL - 1 && y == top) {
                    id = biome == Biomes.OCEAN && top < Shape.SEA_LEVEL - 12 ? Blocks.GRAVEL
                            : biome == Biomes.RIVER || biome == Biomes.SWAMPLAND ? Blocks.DIRT : Blocks.SAND;
                } else if (sandy) {
                    id = Blocks.SAND;
                } else if (y >= Shape.SEA_LEVEL) {
                    id = Blocks.GRASS;
                } else {
                    id = Blocks.DIRT;
                }
            } else if (depth < soil) {
                id = sandy ? Blocks.SAND : Blocks.DIRT;
            } else if (depth < soil + 3 && biome == Biomes.DESERT) {
                id = Blocks.SANDSTONE;
            } else {
                id = Blocks.STONE;
            }
            if (biome == Biomes.EXTREME_HILLS && y > 95 && depth < soil) {
                id = depth == 0 && y < 110 ? Blocks.GRASS : Blocks.STONE;
            }
            if (y <= 4 && (y == 0 || y <= Seeds.at(seed, x, y, z, 13, 5))) {
                id = Blocks.BEDROCK;
            } else if (Shape.carved(g, x, y, z, top)) {
                id = y <= 10 ? Blocks.LAVA : Blocks.AIR;
            }
            if (id != Blocks.AIR) {
                c.set(bx, y, bz, id, 0);
            }
        }
    }

    /** Tall grass, ferns, flowers and dead bushes on the ground, as the biome has them. */
    private void plants(Column c) {
        Random r = new Random(Seeds.of(shape.seed, c.x, c.z, 5003));
        byte[] biomes = c.biomes();
        int biome = biomes[8 << 4 | 8];
        int grass;
        int flowers;
        switch (biome) {
            case Biomes.PLAINS: grass = 24; flowers = 4; break;
            case Biomes.FOREST: case Biomes.BIRCH_FOREST: grass = 4; flowers = 3; break;
            case Biomes.TAIGA: grass = 10; flowers = 0; break;
            case Biomes.SWAMPLAND: grass = 6; flowers = 1; break;
            case Biomes.EXTREME_HILLS: grass = 2; flowers = 0; break;
            case Biomes.DESERT: grass = 2; flowers = 0; break;
            default: grass = 0; flowers = 0; break;
        }
        for (int i = 0; i < grass + flowers; i++) {
            int bx = r.nextInt(16);
            int bz = r.nextInt(16);
            int kind = r.nextInt(2);
            int y = c.height(bx, bz);
            if (y < 1 || y > 255) {
                continue;
            }
            int ground = c.block(bx, y - 1, bz);
            if (biome == Biomes.DESERT) {
                if (ground == Blocks.SAND) {
                    c.set(bx, y, bz, Blocks.DEAD_BUSH, 0);
                }
                continue;
            }
            if (ground != Blocks.GRASS) {
                continue;
            }
            if (i < grass) {
                c.set(bx, y, bz, Blocks.TALL_GRASS, biome == Biomes.TAIGA && kind == 0 ? 2 : 1);
            } else {
                c.set(bx, y, bz, kind == 0 ? Blocks.DANDELION : Blocks.POPPY, 0);
            }
        }
    }

    public int[] spawn() {
        return Spawn.find(this, shape);
    }
}
