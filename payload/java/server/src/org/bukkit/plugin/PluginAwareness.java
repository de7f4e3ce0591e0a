package org.bukkit.plugin;

/** Something a plugin declares it knows about, in plugin.yml's "awareness" list. */
public interface PluginAwareness {
    /** The awareness flags the server knows. */
    public enum Flags implements PluginAwareness {
        /** The plugin reads and writes its text files as UTF-8. */
        UTF8,
        ;
    }
}
