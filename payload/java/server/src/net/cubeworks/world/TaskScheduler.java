package net.cubeworks.world;

import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.ScheduledFuture;
import java.util.concurrent.ScheduledThreadPoolExecutor;
import java.util.concurrent.ThreadFactory;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.logging.Level;

import org.bukkit.plugin.Plugin;
import org.bukkit.scheduler.BukkitScheduler;
import org.bukkit.scheduler.BukkitTask;

/**
 * Plugin tasks. Synchronous tasks run one at a time on the server thread while holding
 * the server lock, like everything else that touches game state; asynchronous tasks run on
 * a small pool. A tick is 50 ms. The threads start with the first task.
 */
final class TaskScheduler implements BukkitScheduler {
    static final long TICK_MS = 50;

    private final WorldServer server;
    private final AtomicInteger ids = new AtomicInteger(1);
    private final Map<Integer, Task> tasks = new ConcurrentHashMap<Integer, Task>();
    private ScheduledExecutorService syncPool;
    private ScheduledExecutorService asyncPool;
    private volatile boolean shutDown;

    final class Task implements BukkitTask, Runnable {
        final int id;
        final Plugin owner;
        final Runnable body;
        final boolean sync;
        final boolean repeating;
        volatile ScheduledFuture<?> future;
        volatile boolean running;

        Task(int id, Plugin owner, Runnable body, boolean sync, boolean repeating) {
            this.id = id;
            this.owner = owner;
            this.body = body;
            this.sync = sync;
            this.repeating = repeating;
        }

        public void run() {
            running = true;
            try {
                if (sync) {
                    synchronized (server.lock) {
                        body.run();
                    }
                } else {
                    body.run();
                }
            } catch (Throwable ex) {
                server.logger().log(Level.WARNING, "Task #" + id + " for "
                        + owner.getDescription().getFullName() + " generated an exception", ex);
            } finally {
                running = false;
                if (!repeating) {
                    tasks.remove(id);
                }
            }
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

    TaskScheduler(WorldServer server) {
        this.server = server;
    }

    private static ScheduledExecutorService pool(final String name, int threads) {
        ScheduledThreadPoolExecutor ex = new ScheduledThreadPoolExecutor(threads, new ThreadFactory() {
            private final AtomicInteger n = new AtomicInteger();

            public Thread newThread(Runnable r) {
                Thread t = new Thread(r, name + " " + n.incrementAndGet());
                t.setDaemon(true);
                return t;
            }
        });
        ex.setRemoveOnCancelPolicy(true);
        return ex;
    }

    private synchronized ScheduledExecutorService executor(boolean sync) {
        if (sync) {
            if (syncPool == null) {
                syncPool = pool("Server thread", 1);
            }
            return syncPool;
        }
        if (asyncPool == null) {
            asyncPool = pool("Scheduler async", 2);
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
        Task task = new Task(ids.getAndIncrement(), plugin, body, sync, period > 0);
        if (shutDown) {
            return task;
        }
        tasks.put(task.id, task);
        long d = Math.max(0, delay) * TICK_MS;
        if (period > 0) {
            task.future = executor(sync).scheduleAtFixedRate(task, d, period * TICK_MS, TimeUnit.MILLISECONDS);
        } else {
            task.future = executor(sync).schedule(task, d, TimeUnit.MILLISECONDS);
        }
        return task;
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

    public void cancelTask(int taskId) {
        Task t = tasks.remove(taskId);
        if (t != null && t.future != null) {
            t.future.cancel(false);
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

    /** Cancels every task and stops the threads. */
    synchronized void shutdown() {
        shutDown = true;
        cancelAllTasks();
        if (syncPool != null) {
            syncPool.shutdownNow();
        }
        if (asyncPool != null) {
            asyncPool.shutdownNow();
        }
    }
}
