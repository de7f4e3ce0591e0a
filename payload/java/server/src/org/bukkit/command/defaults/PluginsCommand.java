package org.bukkit.command.defaults;

import java.util.Arrays;

import org.bukkit.command.CommandSender;

/** The server's /plugins: gets a list of plugins running on the server. The server runs it (see {@link ServerOwn}). */
public class PluginsCommand extends BukkitCommand {
    public PluginsCommand(String name) {
        super(name);
        this.description = "Gets a list of plugins running on the server";
        this.usageMessage = "/plugins";
        this.setPermission("bukkit.command.plugins");
        this.setAliases(Arrays.asList("pl"));
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
