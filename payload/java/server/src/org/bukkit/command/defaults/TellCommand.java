package org.bukkit.command.defaults;

import java.util.Arrays;

import org.bukkit.command.CommandSender;

/** The server's /tell: sends a private message to the given player. The server runs it (see {@link ServerOwn}). */
public class TellCommand extends VanillaCommand {
    public TellCommand() {
        super("tell");
        this.description = "Sends a private message to the given player";
        this.usageMessage = "/tell <player> <message>";
        this.setPermission("bukkit.command.tell");
        this.setAliases(Arrays.asList("w", "msg"));
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
