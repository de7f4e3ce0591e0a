package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.World;
import org.bukkit.command.CommandSender;

/** /gamerule: a rule's value, or a new one; without words, the rules there are. */
public class GameRuleCommand extends GameCommand {
    public GameRuleCommand() {
        super("gamerule", "Sets a server's game rules", "/gamerule <rule name> <value> OR /gamerule <rule name>",
                "bukkit.command.gamerule");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        World world = words.world();
        if (words.count() == 0) {
            StringBuilder rules = new StringBuilder();
            for (String rule : world.getGameRules()) {
                rules.append(rules.length() == 0 ? "" : ", ").append(rule);
            }
            throw new Words.Refusal(ChatColor.RED + "Usage: " + usageMessage + "\nRules: " + rules);
        }
        String rule = words.get(0);
        if (!world.isGameRule(rule)) {
            throw new Words.Refusal(ChatColor.RED + "No game rule called " + rule + " is available");
        }
        if (!words.has(1)) {
            sender.sendMessage(rule + " = " + world.getGameRuleValue(rule));
            return;
        }
        world.setGameRuleValue(rule, words.get(1));
        broadcastCommandMessage(sender, "Game rule " + rule + " has been set to: " + words.get(1));
    }
}
