package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.command.CommandSender;

/** The server's /banlist: view all players banned from this server. The server runs it (see {@link ServerOwn}). */
public class BanListCommand extends VanillaCommand {
    public BanListCommand() {
        super("banlist");
        this.description = "View all players banned from this server";
        this.usageMessage = "/banlist [ips|players]";
        this.setPermission("bukkit.command.ban.list");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
