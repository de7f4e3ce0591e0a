package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /xp: experience points, or levels with an L after the number (a negative number of levels takes them). */
public class ExpCommand extends GameCommand {
    public ExpCommand() {
        super("xp", "Gives the specified player a certain amount of experience. Specify <amount>L to give levels "
                + "instead, with a negative amount resulting in taking levels.",
                "/xp <amount> [player] OR /xp <amount>L [player]", "bukkit.command.xp");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() == 0) {
            throw usage();
        }
        String amount = words.get(0);
        boolean levels = amount.length() > 1 && Character.toUpperCase(amount.charAt(amount.length() - 1)) == 'L';
        int n = Words.number(levels ? amount.substring(0, amount.length() - 1) : amount, Integer.MIN_VALUE,
                Integer.MAX_VALUE);
        Player target = words.playerOrSelf(1, false, "Can't find player, was one provided?\n" + ChatColor.RED
                + "Usage: " + usageMessage, "Can't find player, was one provided?\n" + ChatColor.RED + "Usage: "
                + usageMessage);
        if (levels) {
            target.giveExpLevels(n);
            broadcastCommandMessage(sender, n < 0 ? "Taken " + (-(long) n) + " level(s) from " + target.getName()
                    : "Given " + n + " level(s) to " + target.getName());
        } else if (n < 0) {
            throw new Words.Refusal(ChatColor.RED
                    + "Taking experience can only be done by levels, cannot give negative experience points");
        } else {
            target.giveExp(n);
            broadcastCommandMessage(sender, "Given " + n + " experience to " + target.getName());
        }
    }
}
