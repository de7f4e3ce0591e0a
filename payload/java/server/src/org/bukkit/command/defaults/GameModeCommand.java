package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.command.CommandSender;

/** The server's /gamemode: changes the player to a specific game mode. The server runs it (see {@link ServerOwn}). */
public class GameModeCommand extends VanillaCommand {
    public GameModeCommand() {
        super("gamemode");
        this.description = "Changes the player to a specific game mode";
        this.usageMessage = "/gamemode <mode> [player]";
        this.setPermission("bukkit.command.gamemode");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
