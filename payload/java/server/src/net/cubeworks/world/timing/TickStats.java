package net.cubeworks.world.timing;

import java.util.Arrays;

/** Durations of recent ticks and their waits for the world lock, for the tick-time report. */
public final class TickStats {
    private final long[] work = new long[1200];
    private final long[] wait = new long[1200];
    private final long[] cpu = new long[1200];
    private final long[] handOff = new long[1200];
    private int n;

    public synchronized void add(long workNanos, long waitNanos, long cpuNanos, long handOffNanos) {
        work[n % work.length] = workNanos;
        wait[n % wait.length] = waitNanos;
        cpu[n % cpu.length] = cpuNanos;
        handOff[n % handOff.length] = handOffNanos;
        n++;
    }

    /**
     * {count, median, 99th percentile, longest} of the work, {99th percentile, longest}
     * of the wait for the lock, {median, 99th percentile} of the CPU time and of the
     * hand-off to the writers after the lock, in microseconds over the kept ticks; then
     * cleared.
     */
    public synchronized long[] takeSummary() {
        int count = Math.min(n, work.length);
        n = 0;
        if (count == 0) {
            return new long[10];
        }
        long[] w = Arrays.copyOf(work, count);
        long[] l = Arrays.copyOf(wait, count);
        long[] c = Arrays.copyOf(cpu, count);
        long[] h = Arrays.copyOf(handOff, count);
        Arrays.sort(w);
        Arrays.sort(l);
        Arrays.sort(c);
        Arrays.sort(h);
        int p99 = Math.min(count - 1, (int) (count * 0.99));
        return new long[] {count, w[count / 2] / 1000, w[p99] / 1000, w[count - 1] / 1000, l[p99] / 1000,
            l[count - 1] / 1000, c[count / 2] / 1000, c[p99] / 1000, h[count / 2] / 1000, h[p99] / 1000};
    }

    /** The report line of a summary, as the console shows it every 10 seconds. */
    public static String describe(long[] s) {
        return String.format(java.util.Locale.ROOT,
                "Tick times of the last %d ticks: median %.2f ms, 99th percentile %.2f ms, longest %.2f ms; "
                        + "wait for the lock: 99th percentile %.2f ms, longest %.2f ms; "
                        + "CPU time: median %.2f ms, 99th percentile %.2f ms; "
                        + "hand-off to the writers: median %.2f ms, 99th percentile %.2f ms",
                s[0], s[1] / 1000.0, s[2] / 1000.0, s[3] / 1000.0, s[4] / 1000.0, s[5] / 1000.0, s[6] / 1000.0,
                s[7] / 1000.0, s[8] / 1000.0, s[9] / 1000.0);
    }
}
