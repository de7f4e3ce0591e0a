package org.bukkit.scheduler;

import java.util.List;
import java.util.concurrent.Callable;
import java.util.concurrent.Future;

import org.bukkit.plugin.Plugin;

/** Runs plugin tasks later or repeatedly; delays and periods are in ticks of 50 ms. */
public interface BukkitScheduler {
    int scheduleSyncDelayedTask(Plugin plugin, Runnable task, long delay);

    int scheduleSyncDelayedTask(Plugin plugin, Runnable task);

    int scheduleSyncRepeatingTask(Plugin plugin, Runnable task, long delay, long period);

    /** @deprecated an asynchronous task may not use the API; use runTaskLaterAsynchronously */
    @Deprecated
    int scheduleAsyncDelayedTask(Plugin plugin, Runnable task, long delay);

    /** @deprecated an asynchronous task may not use the API; use runTaskAsynchronously */
    @Deprecated
    int scheduleAsyncDelayedTask(Plugin plugin, Runnable task);

    /** @deprecated an asynchronous task may not use the API; use runTaskTimerAsynchronously */
    @Deprecated
    int scheduleAsyncRepeatingTask(Plugin plugin, Runnable task, long delay, long period);

    /** Runs the call on the main thread at the next tick; the future gives its result. */
    <T> Future<T> callSyncMethod(Plugin plugin, Callable<T> task);

    void cancelTask(int taskId);

    void cancelTasks(Plugin plugin);

    void cancelAllTasks();

    boolean isCurrentlyRunning(int taskId);

    boolean isQueued(int taskId);

    List<BukkitWorker> getActiveWorkers();

    List<BukkitTask> getPendingTasks();

    BukkitTask runTask(Plugin plugin, Runnable task) throws IllegalArgumentException;

    BukkitTask runTaskAsynchronously(Plugin plugin, Runnable task) throws IllegalArgumentException;

    BukkitTask runTaskLater(Plugin plugin, Runnable task, long delay) throws IllegalArgumentException;

    BukkitTask runTaskLaterAsynchronously(Plugin plugin, Runnable task, long delay)
            throws IllegalArgumentException;

    BukkitTask runTaskTimer(Plugin plugin, Runnable task, long delay, long period)
            throws IllegalArgumentException;

    BukkitTask runTaskTimerAsynchronously(Plugin plugin, Runnable task, long delay, long period)
            throws IllegalArgumentException;
}
