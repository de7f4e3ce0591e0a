package net.cubeworks.world.game.block;

import java.util.Arrays;
import java.util.Locale;

import net.cubeworks.world.level.BlockIds;

/**
 * The pistons bench's machine alone, in-process on a made-up grid: a clock of 20 repeaters closed
 * by a redstone torch driving a wire line (a repeater every 15 blocks) that feeds 50 repeaters,
 * each behind a piston pushing cobblestone. Prints the machine's own work per tick as the game
 * thread's processor time (median, 99th percentile, longest, over the ticks given: a busy machine
 * stretches the clock's times more than the processor's) and, per turn of the clock, the blocks written, the
 * most times one place was written and how many times blocks' neighbours were told: the figures
 * behind the tick's cost, without the server's packets and light.
 */
public final class RedstoneBench {
    private RedstoneBench() {
    }

    /** The made-up grid held in an array (y 0 to 15), so that the bench weighs the rules rather than the grid's map. */
    static final class ArrayGrid extends GridWorld {
        private final int[] cells = new int[128 * 16 * 128];

        ArrayGrid(long seed) {
            super(seed);
            for (int x = -64; x < 64; x++) {
                for (int z = -64; z < 64; z++) {
                    cells[index(x, 0, z)] = BlockIds.STONE << 4;
                }
            }
        }

        private static int index(int x, int y, int z) {
            return ((x + 64) * 128 + z + 64) * 16 + y;
        }

        private static boolean inside(int x, int y, int z) {
            return x >= -64 && x < 64 && z >= -64 && z < 64 && y >= 0 && y < 16;
        }

        @Override
        public int blockAt(int x, int y, int z) {
            return inside(x, y, z) ? cells[index(x, y, z)] >> 4 : super.blockAt(x, y, z);
        }

        @Override
        public int metaAt(int x, int y, int z) {
            return inside(x, y, z) ? cells[index(x, y, z)] & 15 : super.metaAt(x, y, z);
        }

        @Override
        void put(int x, int y, int z, int id, int data) {
            if (inside(x, y, z)) {
                cells[index(x, y, z)] = id << 4 | data & 15;
            } else {
                super.put(x, y, z, id, data);
            }
        }
    }

    /** Builds the machine at y 1 with its torch at x0, z0 + 1, as the process bench builds it at y 4. */
    static void build(GridWorld w, int x0, int z0) {
        int y = 1;
        int placed = 0;
        for (int i = 1; placed < 50; i++) {
            int x = x0 - i;
            if (i % 15 == 0) {
                w.setBlock(x, y, z0 + 1, BlockIds.REPEATER, 3);
                continue;
            }
            w.setBlock(x, y, z0 + 4, BlockIds.COBBLESTONE, 0);
            w.setBlock(x, y, z0 + 3, BlockIds.PISTON, 3);
            w.setBlock(x, y, z0 + 2, BlockIds.REPEATER, 2);
            w.setBlock(x, y, z0 + 1, BlockIds.REDSTONE_WIRE, 0);
            placed++;
        }
        for (int i = 1; i <= 10; i++) {
            w.setBlock(x0 + i, y, z0, BlockIds.REPEATER, 1);
            w.setBlock(x0 + i, y, z0 + 2, BlockIds.REPEATER, 3);
        }
        for (int dz = 0; dz <= 2; dz++) {
            w.setBlock(x0 + 11, y, z0 + dz, BlockIds.REDSTONE_WIRE, 0);
        }
        w.setBlock(x0, y, z0, BlockIds.REDSTONE_WIRE, 0);
        w.setBlock(x0, y, z0 + 2, BlockIds.STONE, 0);
        w.setBlock(x0, y, z0 + 1, BlockIds.REDSTONE_TORCH, 4);
    }

    public static void main(String[] args) {
        int ticks = args.length > 0 ? Integer.parseInt(args[0]) : 4200;
        GridWorld w = new ArrayGrid(7);
        build(w, 40, 0);
        w.run(400); // warm up
        w.clearCounts();
        java.lang.management.ThreadMXBean cpu = java.lang.management.ManagementFactory.getThreadMXBean();
        long[] took = new long[ticks];
        long cpuStart = cpu.getCurrentThreadCpuTime();
        for (int i = 0; i < ticks; i++) {
            long t0 = cpu.getCurrentThreadCpuTime();
            w.run(1);
            took[i] = cpu.getCurrentThreadCpuTime() - t0;
        }
        long cpuAll = cpu.getCurrentThreadCpuTime() - cpuStart;
        int turns = ticks / 42;
        int most = 0;
        for (int n : w.quietByPlace.values()) {
            most = Math.max(most, n);
        }
        Arrays.sort(took);
        System.out.println(String.format(Locale.ROOT,
                "redstone machine in-process, %d ticks: the machine's processor time per tick median %.3f ms, 99th"
                        + " percentile %.3f ms, longest %.3f ms; per turn of the clock: %.2f ms of processor time, %d blocks"
                        + " written (one place at most %.1f times), neighbours told %d times",
                ticks, took[ticks / 2] / 1e6, took[ticks * 99 / 100] / 1e6, took[ticks - 1] / 1e6,
                cpuAll / 1e6 / Math.max(1, turns),
                w.quietChanges / Math.max(1, turns), most / (double) Math.max(1, turns),
                w.neighboursTold / Math.max(1, turns)));
    }
}
