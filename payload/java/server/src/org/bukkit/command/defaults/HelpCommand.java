package org.bukkit.command.defaults;

import java.util.Arrays;

import org.bukkit.command.CommandSender;

/** The server's /help: shows the help menu. The server runs it (see {@link ServerOwn}). */
public class HelpCommand extends VanillaCommand {
    public HelpCommand() {
        super("help");
        this.description = "Shows the help menu";
        this.usageMessage = "/help <pageNumber>\n/help <topic>\n/help <topic> <pageNumber>";
        this.setPermission("bukkit.command.help");
        this.setAliases(Arrays.asList("?"));
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
