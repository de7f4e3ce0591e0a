package net.cubeworks.world.plugin;

import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.PriorityQueue;
import java.util.concurrent.Callable;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.Future;
import java.util.concurrent.FutureTask;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.ScheduledFuture;
import java.util.concurrent.ScheduledThreadPoolExecutor;
import java.util.concurrent.ThreadFactory;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.TimeoutException;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.plugin.Plugin;
import org.bukkit.scheduler.BukkitScheduler;
import org.bukkit.scheduler.BukkitTask;
import org.bukkit.scheduler.BukkitWorker;

import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.util.FatalErrors;

/**
 * Plugin tasks. Synchronous tasks run on the game thread at the start of the tick they are
 * due in, so a delay of 20 is 20 ticks of the world; asynchronous tasks run on a small pool,
 * a tick there being 50 ms of the clock.
 */
public final class TaskScheduler implements BukkitScheduler, GameThread.TickPart {
    static final long TICK_MS = 50;

    private final Logger logger;
    private final GameThread gameThread;
    private final AtomicInteger ids = new AtomicInteger(1);
    private final Map<Integer, Task> tasks = new ConcurrentHashMap<Integer, Task>();
    /** Synchronous tasks by the tick they are due in, then in the order they were scheduled. */
    private final PriorityQueue<Task> due = new PriorityQueue<Task>();
    /** The game thread's tick, as far as this scheduler has seen it. */
    private volatile long currentTick;
    private ScheduledExecutorService asyncPool;
    private volatile boolean shutDown;

    final class Task implements BukkitTask, Runnable, Comparable<Task> {
        final int id;
        final Plugin owner;
        final Runnable body;
        final boolean sync;
        final long period;
        /** Synchronous tasks: the tick it runs in next. */
        long dueTick;
        volatile ScheduledFuture<?> future;
        volatile boolean running;
        /** The thread running it now, while it runs. */
        volatile Thread thread;
        volatile boolean cancelled;

        Task(int id, Plugin owner, Runnable body, boolean sync, long period) {
            this.id = id;
            this.owner = owner;
            this.body = body;
            this.sync = sync;
            this.period = period;
        }

        public void run() {
            if (cancelled) {
                return;
            }
            running = true;
            thread = Thread.currentThread();
            try {
                body.run();
            } catch (Throwable ex) {
                if (FatalErrors.check(ex, "in a task of " + owner.getDescription().getFullName())) {
                    return;
                }
                logger.log(Level.WARNING, "Task #" + id + " for " + owner.getDescription().getFullName()
                        + " generated an exception", ex);
            } finally {
                running = false;
                thread = null;
                if (period <= 0) {
                    tasks.remove(id);
                }
            }
        }

        public int compareTo(Task o) {
            if (dueTick != o.dueTick) {
                return dueTick < o.dueTick ? -1 : 1;
            }
            return id < o.id ? -1 : id > o.id ? 1 : 0;
        }

        public int getTaskId() {
            return id;
        }

        public Plugin getOwner() {
            return owner;
        }

        public boolean isSync() {
            return sync;
        }

        public void cancel() {
            cancelTask(id);
        }
    }

    public TaskScheduler(Logger logger, GameThread gameThread) {
        this.logger = logger;
        this.gameThread = gameThread;
        gameThread.setHeartbeat(this);
    }

    private synchronized ScheduledExecutorService asyncPool() {
        if (asyncPool == null) {
            ScheduledThreadPoolExecutor ex = new ScheduledThreadPoolExecutor(2, new ThreadFactory() {
                private final AtomicInteger n = new AtomicInteger();

                public Thread newThread(Runnable r) {
                    Thread t = new Thread(r, "Scheduler async " + n.incrementAndGet());
                    t.setDaemon(true);
                    return t;
                }
            });
            ex.setRemoveOnCancelPolicy(true);
            asyncPool = ex;
        }
        return asyncPool;
    }

    private Task schedule(Plugin plugin, Runnable body, long delay, long period, boolean sync) {
        if (plugin == null) {
            throw new IllegalArgumentException("Plugin cannot be null");
        }
        if (body == null) {
            throw new IllegalArgumentException("Task cannot be null");
        }
        if (!plugin.isEnabled()) {
            throw new IllegalArgumentException("Plugin attempted to register task while disabled");
        }
        Task task = new Task(ids.getAndIncrement(), plugin, body, sync, period);
        if (shutDown) {
            return task;
        }
        tasks.put(task.id, task);
        if (sync) {
            synchronized (due) {
                // at the soonest the next tick, as a task asked for now cannot run in the tick under way
                task.dueTick = currentTick + Math.max(1, delay);
                due.add(task);
            }
        } else if (period > 0) {
            task.future = asyncPool().scheduleAtFixedRate(task, Math.max(0, delay) * TICK_MS, period * TICK_MS,
                    TimeUnit.MILLISECONDS);
        } else {
            task.future = asyncPool().schedule(task, Math.max(0, delay) * TICK_MS, TimeUnit.MILLISECONDS);
        }
        return task;
    }

    /** On the game thread, first thing each tick: the synchronous tasks due now, in order. */
    public void tick(long tick) {
        currentTick = tick;
        List<Task> now = new ArrayList<Task>();
        synchronized (due) {
            while (!due.isEmpty() && due.peek().dueTick <= tick) {
                now.add(due.poll());
            }
        }
        for (Task t : now) {
            if (t.cancelled || shutDown) {
                continue;
            }
            t.run();
            if (t.period > 0 && !t.cancelled) {
                synchronized (due) {
                    t.dueTick = tick + t.period;
                    due.add(t);
                }
            }
        }
    }

    public int scheduleSyncDelayedTask(Plugin plugin, Runnable task, long delay) {
        return schedule(plugin, task, delay, -1, true).id;
    }

    public int scheduleSyncDelayedTask(Plugin plugin, Runnable task) {
        return scheduleSyncDelayedTask(plugin, task, 0);
    }

    public int scheduleSyncRepeatingTask(Plugin plugin, Runnable task, long delay, long period) {
        return schedule(plugin, task, delay, period, true).id;
    }

    @Deprecated
    public int scheduleAsyncDelayedTask(Plugin plugin, Runnable task, long delay) {
        return schedule(plugin, task, delay, -1, false).id;
    }

    @Deprecated
    public int scheduleAsyncDelayedTask(Plugin plugin, Runnable task) {
        return scheduleAsyncDelayedTask(plugin, task, 0);
    }

    @Deprecated
    public int scheduleAsyncRepeatingTask(Plugin plugin, Runnable task, long delay, long period) {
        return schedule(plugin, task, delay, period, false).id;
    }

    /**
     * Runs the call on the game thread at the start of the next tick. The future is done when it
     * has run (its exception, if any, comes out of get()), or cancelled with the task.
     */
    public <T> Future<T> callSyncMethod(Plugin plugin, final Callable<T> task) {
        if (task == null) {
            throw new IllegalArgumentException("Task cannot be null");
        }
        final FutureTask<T> future = new FutureTask<T>(task);
        final Task scheduled = schedule(plugin, future, 0, -1, true);
        return new Future<T>() {
            public boolean cancel(boolean mayInterrupt) {
                cancelTask(scheduled.id);
                return future.cancel(false);
            }

            public boolean isCancelled() {
                return future.isCancelled();
            }

            public boolean isDone() {
                return future.isDone();
            }

            public T get() throws InterruptedException, ExecutionException {
                return future.get();
            }

            public T get(long timeout, TimeUnit unit) throws InterruptedException, ExecutionException,
                    TimeoutException {
                return future.get(timeout, unit);
            }
        };
    }

    /** The asynchronous tasks running right now, with their threads. */
    public List<BukkitWorker> getActiveWorkers() {
        List<BukkitWorker> out = new ArrayList<BukkitWorker>();
        for (final Task t : tasks.values()) {
            final Thread thread = t.thread;
            if (t.sync || thread == null) {
                continue;
            }
            out.add(new BukkitWorker() {
                public int getTaskId() {
                    return t.id;
                }

                public Plugin getOwner() {
                    return t.owner;
                }

                public Thread getThread() {
                    return thread;
                }
            });
        }
        return out;
    }

    /** The tasks that have not finished: waiting, repeating or running now. */
    public List<BukkitTask> getPendingTasks() {
        return new ArrayList<BukkitTask>(tasks.values());
    }

    public void cancelTask(int taskId) {
        Task t = tasks.remove(taskId);
        if (t == null) {
            return;
        }
        t.cancelled = true;
        if (t.body instanceof FutureTask) {
            // a callSyncMethod call that will not run now: whoever waits on it is released
            ((FutureTask<?>) t.body).cancel(false);
        }
        if (t.future != null) {
            t.future.cancel(false);
        }
        if (t.sync) {
            synchronized (due) {
                due.remove(t);
            }
        }
    }

    public void cancelTasks(Plugin plugin) {
        for (Task t : tasks.values()) {
            if (t.owner.equals(plugin)) {
                cancelTask(t.id);
            }
        }
    }

    public void cancelAllTasks() {
        for (Integer id : tasks.keySet()) {
            cancelTask(id);
        }
    }

    public boolean isCurrentlyRunning(int taskId) {
        Task t = tasks.get(taskId);
        return t != null && t.running;
    }

    public boolean isQueued(int taskId) {
        return tasks.containsKey(taskId);
    }

    public BukkitTask runTask(Plugin plugin, Runnable task) {
        return schedule(plugin, task, 0, -1, true);
    }

    public BukkitTask runTaskAsynchronously(Plugin plugin, Runnable task) {
        return schedule(plugin, task, 0, -1, false);
    }

    public BukkitTask runTaskLater(Plugin plugin, Runnable task, long delay) {
        return schedule(plugin, task, delay, -1, true);
    }

    public BukkitTask runTaskLaterAsynchronously(Plugin plugin, Runnable task, long delay) {
        return schedule(plugin, task, delay, -1, false);
    }

    public BukkitTask runTaskTimer(Plugin plugin, Runnable task, long delay, long period) {
        return schedule(plugin, task, delay, period, true);
    }

    public BukkitTask runTaskTimerAsynchronously(Plugin plugin, Runnable task, long delay, long period) {
        return schedule(plugin, task, delay, period, false);
    }

    /** True on the game thread, where synchronous tasks and events run. */
    public boolean isPrimaryThread() {
        return gameThread.isCurrent();
    }

    /** Cancels every task and stops the threads. */
    public synchronized void shutdown() {
        shutDown = true;
        cancelAllTasks();
        if (asyncPool != null) {
            asyncPool.shutdownNow();
        }
    }
}
