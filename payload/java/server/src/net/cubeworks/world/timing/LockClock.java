package net.cubeworks.world.timing;

import java.util.logging.Logger;

/**
 * Adds up how long one piece of work held the world lock, over however many times it
 * took it, for the report that comes with the tick times.
 */
public final class LockClock {
    private long since;
    private long total;
    private long longest;
    private int holds;

    public void taken() {
        since = System.nanoTime();
    }

    public void released() {
        long held = System.nanoTime() - since;
        total += held;
        longest = Math.max(longest, held);
        holds++;
    }

    /** Logs "WHAT: the world lock held ..." when the report is asked for and the lock was taken. */
    public void report(Logger logger, String what) {
        if (holds > 0 && TimeReport.asked()) {
            logger.info(String.format(java.util.Locale.ROOT,
                    "%s: the world lock held %.2f ms in all, %d times, longest %.2f ms", what, total / 1e6, holds,
                    longest / 1e6));
        }
    }
}
