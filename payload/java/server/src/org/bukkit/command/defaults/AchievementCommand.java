package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.Achievement;
import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerAchievementAwardedEvent;

/** /achievement give: gives a player an achievement by its game name (achievement.openInventory), or all with '*'. */
public class AchievementCommand extends VanillaCommand {
    public AchievementCommand() {
        super("achievement");
        this.description = "Gives the specified player an achievement or changes a statistic value. Use '*' to give all "
                + "achievements.";
        this.usageMessage = "/achievement give <stat_name> [player]";
        this.setPermission("bukkit.command.achievement");
        this.setAliases(new ArrayList<String>());
    }

    /** Whether the plugins let the player have it. */
    private static boolean allowed(Player player, Achievement achievement) {
        PlayerAchievementAwardedEvent event = new PlayerAchievementAwardedEvent(player, achievement);
        Bukkit.getPluginManager().callEvent(event);
        return !event.isCancelled();
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length >= 2 && args[0].equalsIgnoreCase("give")) {
            Player player;
            if (args.length == 3) {
                player = Bukkit.getPlayer(args[2]);
            } else if (sender instanceof Player) {
                player = (Player) sender;
            } else {
                sender.sendMessage("You must specify which player you wish to perform this action on.");
                return true;
            }
            if (player == null) {
                sender.sendMessage("Can't find player " + args[2]);
                return true;
            }
            String name = args[1];
            if (name.equals("*")) {
                for (Achievement achievement : Achievement.values()) {
                    if (!player.hasAchievement(achievement) && allowed(player, achievement)) {
                        player.awardAchievement(achievement);
                    }
                }
                Command.broadcastCommandMessage(sender, String.format("Successfully given all achievements to %s",
                        player.getName()));
                return true;
            }
            Achievement achievement = Bukkit.getUnsafe().getAchievementFromInternalName(name);
            if (achievement == null) {
                sender.sendMessage(String.format("Unknown achievement or statistic '%s'", name));
                return true;
            }
            if (player.hasAchievement(achievement)) {
                sender.sendMessage(String.format("%s already has achievement %s", player.getName(), name));
                return true;
            }
            if (!allowed(player, achievement)) {
                sender.sendMessage(String.format("Unable to award %s the achievement %s", player.getName(), name));
                return true;
            }
            player.awardAchievement(achievement);
            Command.broadcastCommandMessage(sender, String.format("Successfully given %s the stat %s", player.getName(),
                    name));
            return true;
        }
        sender.sendMessage(ChatColor.RED + "Usage: " + usageMessage);
        return true;
    }
}
