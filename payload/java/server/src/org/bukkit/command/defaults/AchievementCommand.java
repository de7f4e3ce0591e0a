package org.bukkit.command.defaults;

import org.bukkit.Achievement;
import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerAchievementAwardedEvent;

/** /achievement give: an achievement by the game's name (achievement.openInventory), or '*' for all, to a player. */
public class AchievementCommand extends GameCommand {
    public AchievementCommand() {
        super("achievement", "Gives the specified player an achievement or changes a statistic value. Use '*' to give "
                + "all achievements.", "/achievement give <stat_name> [player]", "bukkit.command.achievement");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 2 || !words.get(0).equalsIgnoreCase("give")) {
            throw new Words.Refusal(ChatColor.RED + "Usage: " + usageMessage);
        }
        Player target = words.playerOrSelf(2, false, "Can't find player {}",
                "You must specify which player you wish to perform this action on.");
        String name = words.get(1);
        if (name.equals("*")) {
            for (Achievement a : Achievement.values()) {
                if (!target.hasAchievement(a) && allowed(target, a)) {
                    target.awardAchievement(a);
                }
            }
            broadcastCommandMessage(sender, "Successfully given all achievements to " + target.getName());
            return;
        }
        Achievement achievement = Bukkit.getUnsafe().getAchievementFromInternalName(name);
        if (achievement == null) {
            throw new Words.Refusal("Unknown achievement or statistic '" + name + "'");
        }
        if (target.hasAchievement(achievement)) {
            throw new Words.Refusal(target.getName() + " already has achievement " + name);
        }
        if (!allowed(target, achievement)) {
            throw new Words.Refusal("Unable to award " + target.getName() + " the achievement " + name);
        }
        target.awardAchievement(achievement);
        broadcastCommandMessage(sender, "Successfully given " + target.getName() + " the stat " + name);
    }

    /** Whether the plugins let the player have the achievement. */
    private static boolean allowed(Player player, Achievement achievement) {
        PlayerAchievementAwardedEvent event = new PlayerAchievementAwardedEvent(player, achievement);
        Bukkit.getPluginManager().callEvent(event);
        return !event.isCancelled();
    }
}
