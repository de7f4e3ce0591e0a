package org.bukkit.command;

import org.bukkit.plugin.Plugin;

/** A command that belongs to a plugin. */
public interface PluginIdentifiableCommand {
    Plugin getPlugin();
}
