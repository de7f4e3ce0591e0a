package net.cubeworks.world.game.thread;

import java.util.concurrent.TimeUnit;
import java.util.logging.Level;
import java.util.logging.Logger;

/**
 * Watches the game thread from a thread of its own: when one piece of its work (a tick, a
 * player's packet, a plugin's task or event) has run for half a minute, the console is told
 * where the thread stands, once, so that a host whose server stopped answering sees which plugin
 * or part holds it; and told again when it moves on. It never stops or interrupts the thread.
 */
final class StallWatch implements Runnable {
    static final long REPORT_AFTER_NANOS = TimeUnit.SECONDS.toNanos(30);
    static final long LOOK_EVERY_MS = 2000;
    /** Frames shown: enough to reach the plugin's code below the server's own. */
    private static final int FRAMES = 40;

    private final GameThread game;
    private final Logger logger;
    private final long reportAfterNanos;
    private final long lookEveryMs;

    StallWatch(GameThread game, Logger logger, long reportAfterNanos, long lookEveryMs) {
        this.game = game;
        this.logger = logger;
        this.reportAfterNanos = reportAfterNanos;
        this.lookEveryMs = lookEveryMs;
    }

    void start() {
        Thread t = new Thread(this, "Server thread watch");
        t.setDaemon(true);
        t.start();
    }

    public void run() {
        long reportedStall = 0; // the busy time last reported, 0 when none is
        try {
            while (game.isRunning()) {
                Thread.sleep(lookEveryMs);
                long busy = game.busyNanos(System.nanoTime());
                if (busy >= reportAfterNanos && reportedStall == 0) {
                    reportedStall = busy;
                    logger.severe(stallReport(busy, game.where()));
                } else if (reportedStall != 0 && busy < reportedStall) {
                    logger.warning("The server thread moves again after about "
                            + TimeUnit.NANOSECONDS.toSeconds(reportedStall) + " seconds or more of one piece of work.");
                    reportedStall = 0;
                } else if (reportedStall != 0) {
                    reportedStall = busy;
                }
            }
        } catch (InterruptedException stop) {
            Thread.currentThread().interrupt();
        } catch (Throwable ex) {
            logger.log(Level.WARNING, "The server thread watch stopped", ex);
        }
    }

    static String stallReport(long busyNanos, StackTraceElement[] where) {
        StringBuilder b = new StringBuilder("The server thread has been busy with one piece of work for ")
                .append(TimeUnit.NANOSECONDS.toSeconds(busyNanos))
                .append(" seconds: players get no answer until it ends (a plugin waiting for something that never comes?). It is at:");
        int n = Math.min(FRAMES, where.length);
        for (int i = 0; i < n; i++) {
            b.append("\n\tat ").append(where[i]);
        }
        if (where.length > n) {
            b.append("\n\t... ").append(where.length - n).append(" more");
        }
        return b.toString();
    }
}
