package org.bukkit.plugin;

import java.io.File;

import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.Listener;

/** Finds, enables and disables plugins, and delivers events to their listeners. */
public interface PluginManager {
    Plugin getPlugin(String name);

    Plugin[] getPlugins();

    boolean isPluginEnabled(String name);

    boolean isPluginEnabled(Plugin plugin);

    Plugin loadPlugin(File file) throws InvalidPluginException, InvalidDescriptionException;

    Plugin[] loadPlugins(File directory);

    void disablePlugins();

    void clearPlugins();

    void callEvent(Event event) throws IllegalStateException;

    void registerEvents(Listener listener, Plugin plugin);

    void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin);

    void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin, boolean ignoreCancelled);

    void enablePlugin(Plugin plugin);

    void disablePlugin(Plugin plugin);
}
