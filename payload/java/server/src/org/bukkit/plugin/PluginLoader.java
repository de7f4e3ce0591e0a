package org.bukkit.plugin;

import java.io.File;
import java.util.Map;
import java.util.Set;
import java.util.regex.Pattern;

import org.bukkit.event.Event;
import org.bukkit.event.Listener;

/** Loads one kind of plugin file. */
public interface PluginLoader {
    Plugin loadPlugin(File file) throws InvalidPluginException;

    PluginDescriptionFile getPluginDescription(File file) throws InvalidDescriptionException;

    Pattern[] getPluginFileFilters();

    void enablePlugin(Plugin plugin);

    void disablePlugin(Plugin plugin);

    /** The listener's @EventHandler methods as registrations, by the event class each takes. */
    Map<Class<? extends Event>, Set<RegisteredListener>> createRegisteredListeners(Listener listener, Plugin plugin);
}
