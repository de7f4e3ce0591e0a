package org.bukkit.plugin;

/** When a plugin is enabled: before the worlds are loaded, or after (the usual). */
public enum PluginLoadOrder {
    STARTUP,
    POSTWORLD
}
