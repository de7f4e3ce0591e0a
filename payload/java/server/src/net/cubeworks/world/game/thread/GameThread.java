package net.cubeworks.world.game.thread;

import java.util.concurrent.Callable;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.FutureTask;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.TimeoutException;
import java.util.logging.Level;
import java.util.logging.Logger;

import net.cubeworks.world.util.FatalErrors;

/**
 * The one thread that changes game state. It takes what the other threads hand it (the
 * players' packets in arrival order, console commands, admissions and departures) as soon
 * as each arrives, and every 50 ms runs the tick: first what is due each tick from above
 * (the plugins' synchronous tasks), then the world's. Each piece runs holding the world
 * lock, which other threads take only for a moment (the column loader's hand-over, plugin
 * calls from threads of their own), so a change reaches the other players at once, not at
 * the next tick.
 */
public final class GameThread {
    public static final long TICK_NANOS = TimeUnit.MILLISECONDS.toNanos(50);
    /** A tick this late is not caught up with: the next one is a tick from now. */
    private static final long GIVE_UP_NANOS = TimeUnit.SECONDS.toNanos(1);

    /** What runs once each tick. */
    public interface TickPart {
        void tick(long tick);
    }

    private final Object lock;
    private final Logger logger;
    private final LinkedBlockingQueue<Runnable> queue = new LinkedBlockingQueue<Runnable>();
    private final Thread thread;
    private volatile TickPart heartbeat;
    private volatile TickPart world;
    private volatile boolean running = true;
    /** When the work running now began (System.nanoTime), 0 while the thread waits for work. */
    private volatile long busySince;
    private long tick;

    public GameThread(Object lock, Logger logger) {
        this.lock = lock;
        this.logger = logger;
        this.thread = new Thread(null, new Runnable() {
            public void run() {
                loop();
            }
        }, "Server thread", Threads.THREAD_STACK);
        thread.setDaemon(true);
    }

    /** What runs first each tick (the plugins' tasks), before the world's tick. */
    public void setHeartbeat(TickPart part) {
        heartbeat = part;
    }

    public void setWorldTick(TickPart part) {
        world = part;
    }

    public void start() {
        thread.start();
        new StallWatch(this, logger, StallWatch.REPORT_AFTER_NANOS, StallWatch.LOOK_EVERY_MS).start();
    }

    /** How long the work running now has run, 0 when the thread is waiting for work. */
    long busyNanos(long now) {
        long since = busySince;
        return since == 0 ? 0 : Math.max(1, now - since);
    }

    /** Where the game thread is now. */
    StackTraceElement[] where() {
        return thread.getStackTrace();
    }

    boolean isRunning() {
        return running && thread.isAlive();
    }

    /** True on the game thread itself. */
    public boolean isCurrent() {
        return Thread.currentThread() == thread;
    }

    /** Ticks run so far. */
    public long ticks() {
        return tick;
    }

    /** Hands work to the game thread; it runs in the order handed, after what was handed before. */
    public void submit(Runnable work) {
        queue.add(work);
    }

    /**
     * Runs the work on the game thread and waits for its result; on the game thread itself
     * it runs at once. Errors of the work are thrown here.
     */
    public <T> T call(Callable<T> work) {
        if (isCurrent() || !thread.isAlive() || !running) {
            synchronized (lock) {
                try {
                    return work.call();
                } catch (RuntimeException ex) {
                    throw ex;
                } catch (Exception ex) {
                    throw new IllegalStateException(ex);
                }
            }
        }
        FutureTask<T> task = new FutureTask<T>(work);
        submit(task);
        boolean interrupted = false;
        try {
            while (true) {
                try {
                    return task.get(50, TimeUnit.MILLISECONDS);
                } catch (InterruptedException ex) {
                    interrupted = true;
                } catch (TimeoutException ex) {
                    if (!running && queue.remove(task)) {
                        // stopped before it got to the work: it runs here, as it would have there
                        synchronized (lock) {
                            task.run();
                        }
                    }
                }
            }
        } catch (ExecutionException ex) {
            Throwable cause = ex.getCause();
            if (cause instanceof RuntimeException) {
                throw (RuntimeException) cause;
            }
            if (cause instanceof Error) {
                throw (Error) cause;
            }
            throw new IllegalStateException(cause);
        } finally {
            if (interrupted) {
                Thread.currentThread().interrupt();
            }
        }
    }

    /** Stops after the piece of work running now; what is still queued is dropped. */
    public void stop() {
        running = false;
        queue.add(new Runnable() {
            public void run() {
            }
        });
    }

    private void loop() {
        long nextTick = System.nanoTime() + TICK_NANOS;
        while (running) {
            try {
                nextTick = step(nextTick);
            } catch (Throwable ex) {
                // the thread outlives whatever a step throws, even when reporting it fails: a
                // fatal error is handed on, and the server stops from a thread of its own
                try {
                    if (!FatalErrors.check(ex, "on the server thread")) {
                        logger.log(Level.SEVERE, "Exception on the server thread", ex);
                    }
                } catch (Throwable ignored) {
                    FatalErrors.check(ignored, "on the server thread");
                }
            }
        }
    }

    /** Runs the tick when it is due, else waits for work until then; answers when the next tick is due. */
    private long step(long nextTick) {
        {
            long now = System.nanoTime();
            if (now - nextTick >= 0) {
                nextTick += TICK_NANOS;
                runTick();
                if (System.nanoTime() - nextTick > GIVE_UP_NANOS) {
                    nextTick = System.nanoTime() + TICK_NANOS;
                }
                return nextTick;
            }
            Runnable work;
            try {
                work = queue.poll(nextTick - now, TimeUnit.NANOSECONDS);
            } catch (InterruptedException ex) {
                return nextTick;
            }
            if (work != null && running) {
                runSafely(work);
            }
            return nextTick;
        }
    }

    private void runSafely(Runnable work) {
        busySince = System.nanoTime();
        try {
            synchronized (lock) {
                work.run();
            }
        } catch (Throwable ex) {
            if (!FatalErrors.check(ex, "on the server thread")) {
                logger.log(Level.SEVERE, "Exception on the server thread", ex);
            }
        } finally {
            busySince = 0;
        }
    }

    private void runTick() {
        tick++;
        final long t = tick;
        final TickPart beat = heartbeat;
        if (beat != null) {
            runSafely(new Runnable() {
                public void run() {
                    beat.tick(t);
                }
            });
        }
        TickPart w = world;
        if (w != null) {
            busySince = System.nanoTime();
            try {
                w.tick(t); // takes the lock itself: what it sends goes out after the lock is let go
            } catch (Throwable ex) {
                if (!FatalErrors.check(ex, "in the world tick")) {
                    logger.log(Level.SEVERE, "Exception in the world tick", ex);
                }
            } finally {
                busySince = 0;
            }
        }
    }
}
