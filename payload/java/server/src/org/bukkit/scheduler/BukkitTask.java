package org.bukkit.scheduler;

import org.bukkit.plugin.Plugin;

/** A task handed to the scheduler. */
public interface BukkitTask {
    int getTaskId();

    Plugin getOwner();

    boolean isSync();

    void cancel();
}
