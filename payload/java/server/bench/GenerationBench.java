import java.util.Arrays;

import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.generation.WorldGenerator;
import net.cubeworks.world.level.Column;

/**
 * Times the natural world's generator on one thread: each column generated and lit, over a
 * square of columns after a warm-up square elsewhere. Prints the median, the 99th percentile
 * and the worst of the wall time, the median and 99th percentile of the thread's CPU time (what
 * the wall time is without the waits for a core on a busy machine), and the same for the large
 * biomes and amplified variants.
 *
 * usage: java -cp Cubeworks-World.jar:BENCH_CLASSES GenerationBench [SIDE] [SEED]
 */
public final class GenerationBench {
    public static void main(String[] args) {
        int side = args.length > 0 ? Integer.parseInt(args[0]) : 21;
        long seed = args.length > 1 ? Long.parseLong(args[1]) : 12345L;
        for (String type : new String[] {"default", "largeBiomes", "amplified"}) {
            WorldGenerator gen = WorldChoice.generator(type, seed, "");
            for (int i = 0; i < 200; i++) {
                gen.generate(1000 + i % 14, 1000 + i / 14);
            }
            long[] t = new long[side * side];
            long[] cpu = new long[side * side];
            java.lang.management.ThreadMXBean mx = java.lang.management.ManagementFactory.getThreadMXBean();
            int n = 0;
            long sum = 0;
            for (int x = 0; x < side; x++) {
                for (int z = 0; z < side; z++) {
                    long a = System.nanoTime();
                    long ca = mx.getCurrentThreadCpuTime();
                    Column c = gen.generate(x - side / 2, z - side / 2);
                    cpu[n] = mx.getCurrentThreadCpuTime() - ca;
                    t[n++] = System.nanoTime() - a;
                    sum += c.sectionMask();
                }
            }
            Arrays.sort(t);
            Arrays.sort(cpu);
            System.out.printf("%-12s %d columns generated and lit: median %.2f ms, p99 %.2f ms, worst %.2f ms; "
                    + "CPU time median %.2f ms, p99 %.2f ms (%d)%n", type, n, t[n / 2] / 1e6, t[(int) (n * 0.99)] / 1e6,
                    t[n - 1] / 1e6, cpu[n / 2] / 1e6, cpu[(int) (n * 0.99)] / 1e6, sum & 1);
        }
    }
}
