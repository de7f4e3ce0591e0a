package net.cubeworks.world.generation;

import java.util.Random;

import net.cubeworks.world.level.Column;

/**
 * Veins of ore in the stone, as many a column and at the heights the game has them: coal 20
 * veins of up to 16 below y 128, iron 20 of 8 below 64, gold 2 of 8 below 32, redstone 8 of 7 and
 * diamond 1 of 7 below 16, lapis 1 of 6 around y 16, and pockets of dirt (20 of 32) and gravel
 * (10 of 32). A vein is a clump that creeps from its centre; it stays in its column.
 */
final class Ores {
    /** {block, veins, size, lowest y, highest y (exclusive); lapis spreads around its centre}. */
    private static final int[][] VEINS = {
        {Blocks.DIRT, 20, 32, 0, 256},
        {Blocks.GRAVEL, 10, 32, 0, 256},
        {Blocks.COAL_ORE, 20, 16, 0, 128},
        {Blocks.IRON_ORE, 20, 8, 0, 64},
        {Blocks.GOLD_ORE, 2, 8, 0, 32},
        {Blocks.REDSTONE_ORE, 8, 7, 0, 16},
        {Blocks.DIAMOND_ORE, 1, 7, 0, 16},
    };

    private Ores() {
    }

    static void place(long seed, Column c) {
        Random r = new Random(Seeds.of(seed, c.x, c.z, 3001));
        for (int[] v : VEINS) {
            for (int i = 0; i < v[1]; i++) {
                vein(c, r, v[0], v[2], r.nextInt(16), v[3] + r.nextInt(v[4] - v[3]), r.nextInt(16));
            }
        }
        // lapis: around y 16, more often near it than away from it
        vein(c, r, Blocks.LAPIS_ORE, 6, r.nextInt(16), r.nextInt(16) + r.nextInt(16), r.nextInt(16));
    }

    private static void vein(Column c, Random r, int id, int size, int x, int y, int z) {
        for (int n = 0; n < size; n++) {
            if (x >= 0 && x < 16 && z >= 0 && z < 16 && y > 0 && y < 256 && c.block(x, y, z) == Blocks.STONE) {
                c.set(x, y, z, id, 0);
            }
            switch (r.nextInt(6)) {
                case 0: x++; break;
                case 1: x--; break;
                case 2: z++; break;
                case 3: z--; break;
                case 4: y++; break;
                default: y--; break;
            }
        }
    }
}
