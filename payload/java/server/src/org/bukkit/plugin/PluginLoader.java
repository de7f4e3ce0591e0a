package org.bukkit.plugin;

import java.io.File;
import java.util.regex.Pattern;

/** Loads one kind of plugin file. */
public interface PluginLoader {
    Plugin loadPlugin(File file) throws InvalidPluginException;

    PluginDescriptionFile getPluginDescription(File file) throws InvalidDescriptionException;

    Pattern[] getPluginFileFilters();

    void enablePlugin(Plugin plugin);

    void disablePlugin(Plugin plugin);
}
