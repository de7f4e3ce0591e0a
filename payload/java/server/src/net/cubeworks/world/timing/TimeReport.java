package net.cubeworks.world.timing;

import java.lang.management.ManagementFactory;
import java.lang.management.ThreadMXBean;

/** Whether the tick-time report is asked for, and the CPU clock it reads. */
public final class TimeReport {
    /** System property: when true, the console gets the tick times every 10 seconds. */
    public static final String TICK_STATS_PROPERTY = "cubeworks.tick-stats";

    private static final ThreadMXBean THREADS = ManagementFactory.getThreadMXBean();

    private TimeReport() {
    }

    /** True when the tick-time report is asked for; the world lock's longer holds are reported then too. */
    public static boolean asked() {
        return Boolean.getBoolean(TICK_STATS_PROPERTY);
    }

    /** CPU time of the current thread, when the report is asked for and the JVM measures it; else 0. */
    public static long threadCpu() {
        return asked() && THREADS.isCurrentThreadCpuTimeSupported() ? THREADS.getCurrentThreadCpuTime() : 0;
    }
}
