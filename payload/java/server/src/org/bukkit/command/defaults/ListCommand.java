package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.command.CommandSender;

/** The server's /list: lists all online players. The server runs it (see {@link ServerOwn}). */
public class ListCommand extends VanillaCommand {
    public ListCommand() {
        super("list");
        this.description = "Lists all online players";
        this.usageMessage = "/list";
        this.setPermission("bukkit.command.list");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
