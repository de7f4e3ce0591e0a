package net.cubeworks.world.plugin;

import java.util.List;

import org.bukkit.command.Command;
import org.bukkit.plugin.Plugin;

/** Where a plugin's plugin.yml commands go when it is enabled: the server's command registry. */
public interface PluginCommands {
    void register(Plugin plugin, List<Command> commands);
}
