package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.Difficulty;
import org.bukkit.World;
import org.bukkit.command.CommandSender;

/** /difficulty: by name, first letter or number; a hardcore server stays on hard. */
public class DifficultyCommand extends GameCommand {
    private static final String[] NAMES = {"peaceful", "easy", "normal", "hard"};

    public DifficultyCommand() {
        super("difficulty", "Sets the game difficulty", "/difficulty <new difficulty>", "bukkit.command.difficulty");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() != 1 || words.get(0).length() == 0) {
            throw usage();
        }
        Difficulty chosen = Bukkit.isHardcore() ? Difficulty.HARD : Difficulty.getByValue(value(words.get(0)));
        for (World world : Bukkit.getWorlds()) {
            world.setDifficulty(chosen);
        }
        broadcastCommandMessage(sender, "Set difficulty to " + chosen);
    }

    private static int value(String word) throws Words.Refusal {
        for (int i = 0; i < NAMES.length; i++) {
            if (word.equalsIgnoreCase(NAMES[i]) || word.equalsIgnoreCase(NAMES[i].substring(0, 1))) {
                return i;
            }
        }
        return Words.number(word, 0, 3);
    }
}
