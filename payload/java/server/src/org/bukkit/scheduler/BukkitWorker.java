package org.bukkit.scheduler;

import org.bukkit.plugin.Plugin;

/** A thread that is running an asynchronous task right now. */
public interface BukkitWorker {
    int getTaskId();

    Plugin getOwner();

    Thread getThread();
}
