package org.bukkit.scheduler;

import org.bukkit.plugin.Plugin;

/** Runs plugin tasks later or repeatedly; delays and periods are in ticks of 50 ms. */
public interface BukkitScheduler {
    int scheduleSyncDelayedTask(Plugin plugin, Runnable task, long delay);

    int scheduleSyncDelayedTask(Plugin plugin, Runnable task);

    int scheduleSyncRepeatingTask(Plugin plugin, Runnable task, long delay, long period);

    void cancelTask(int taskId);

    void cancelTasks(Plugin plugin);

    void cancelAllTasks();

    boolean isCurrentlyRunning(int taskId);

    boolean isQueued(int taskId);

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
