package org.bukkit.plugin;

import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.Listener;

/** Runs one listener's handling of an event. */
public interface EventExecutor {
    void execute(Listener listener, Event event) throws EventException;
}
