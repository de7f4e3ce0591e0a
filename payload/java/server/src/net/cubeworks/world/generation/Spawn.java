package net.cubeworks.world.generation;

import net.cubeworks.world.level.Column;

/**
 * Finds where new players of a natural world appear: the nearest dry ground to (0, 0), looked
 * for outward in rings, where the top block is grass or sand with room to stand above.
 */
final class Spawn {
    private Spawn() {
    }

    static int[] find(WorldGenerator gen, Shape shape) {
        for (int ring = 0; ring <= 64; ring++) {
            for (int i = -ring; i <= ring; i++) {
                for (int side = 0; side < 4; side++) {
                    if (ring == 0 && side > 0) {
                        break;
                    }
                    int x = side == 0 ? i : side == 1 ? i : side == 2 ? -ring : ring;
                    int z = side == 0 ? -ring : side == 1 ? ring : i;
                    if (ring > 0 && side >= 2 && (i == -ring || i == ring)) {
                        continue; // corners are looked at once
                    }
                    int[] at = tryAt(gen, shape, x * 8, z * 8);
                    if (at != null) {
                        return at;
                    }
                }
            }
        }
        return new int[] {0, 64, 0};
    }

    private static int[] tryAt(WorldGenerator gen, Shape shape, int x, int z) {
        Shape.Grid g = shape.around(x, z);
        int top = g.top(x, z);
        if (top <= Shape.SEA_LEVEL || top > 250) {
            return null;
        }
        int biome = Climate.at(shape, x, z).biome;
        if (biome == Biomes.OCEAN || biome == Biomes.RIVER) {
            return null;
        }
        Column c = gen.generate(x >> 4, z >> 4);
        int h = c.height(x & 15, z & 15);
        while (h > 0 && (c.block(x & 15, h - 1, z & 15) == Blocks.TALL_GRASS
                || c.block(x & 15, h - 1, z & 15) == Blocks.DANDELION || c.block(x & 15, h - 1, z & 15) == Blocks.POPPY
                || c.block(x & 15, h - 1, z & 15) == Blocks.DEAD_BUSH)) {
            h--;
        }
        int ground = h > 0 ? c.block(x & 15, h - 1, z & 15) : 0;
        if ((ground != Blocks.GRASS && ground != Blocks.SAND) || h > 254) {
            return null;
        }
        return new int[] {x, h, z};
    }
}
