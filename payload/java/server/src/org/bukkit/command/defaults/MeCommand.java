package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.command.CommandSender;

/** The server's /me: performs the specified action in chat. The server runs it (see {@link ServerOwn}). */
public class MeCommand extends VanillaCommand {
    public MeCommand() {
        super("me");
        this.description = "Performs the specified action in chat";
        this.usageMessage = "/me <action>";
        this.setPermission("bukkit.command.me");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
