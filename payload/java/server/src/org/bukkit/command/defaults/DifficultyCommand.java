package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.Difficulty;
import org.bukkit.World;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;

/** /difficulty: peaceful, easy, normal or hard (their numbers or first letters too); hardcore stays hard. */
public class DifficultyCommand extends VanillaCommand {
    public DifficultyCommand() {
        super("difficulty");
        this.description = "Sets the game difficulty";
        this.usageMessage = "/difficulty <new difficulty>";
        this.setPermission("bukkit.command.difficulty");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length != 1 || args[0].length() == 0) {
            return usage(sender);
        }
        Difficulty difficulty = Difficulty.getByValue(getDifficultyForString(sender, args[0]));
        if (Bukkit.isHardcore()) {
            difficulty = Difficulty.HARD;
        }
        for (World world : Bukkit.getWorlds()) {
            world.setDifficulty(difficulty);
        }
        Command.broadcastCommandMessage(sender, "Set difficulty to " + difficulty.toString());
        return true;
    }

    protected int getDifficultyForString(CommandSender sender, String name) {
        if (name.equalsIgnoreCase("peaceful") || name.equalsIgnoreCase("p")) {
            return 0;
        } else if (name.equalsIgnoreCase("easy") || name.equalsIgnoreCase("e")) {
            return 1;
        } else if (name.equalsIgnoreCase("normal") || name.equalsIgnoreCase("n")) {
            return 2;
        } else if (name.equalsIgnoreCase("hard") || name.equalsIgnoreCase("h")) {
            return 3;
        }
        return getInteger(sender, name, 0, 3);
    }
}
