package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;

/** /testfor: a command block's test, for its comparator; typed, it says so. */
public class TestForCommand extends GameCommand {
    public TestForCommand() {
        super("testfor", "Tests whether a specifed player is online", "/testfor <player>", "bukkit.command.testfor");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() == 0) {
            throw usage();
        }
        sender.sendMessage(ChatColor.RED + "/testfor is only usable by commandblocks with analog output.");
    }
}
