package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.World;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.HumanEntity;

/** /gamerule: reads or sets one of the world's game rules, or lists them. */
public class GameRuleCommand extends VanillaCommand {
    public GameRuleCommand() {
        super("gamerule");
        this.description = "Sets a server's game rules";
        this.usageMessage = "/gamerule <rule name> <value> OR /gamerule <rule name>";
        this.setPermission("bukkit.command.gamerule");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        World world = getGameWorld(sender);
        if (args.length > 0) {
            String rule = args[0];
            if (world.isGameRule(rule)) {
                if (args.length > 1) {
                    String value = args[1];
                    world.setGameRuleValue(rule, value);
                    Command.broadcastCommandMessage(sender, "Game rule " + rule + " has been set to: " + value);
                } else {
                    sender.sendMessage(rule + " = " + world.getGameRuleValue(rule));
                }
            } else {
                sender.sendMessage(ChatColor.RED + "No game rule called " + rule + " is available");
            }
            return true;
        }
        sender.sendMessage(ChatColor.RED + "Usage: " + usageMessage);
        sender.sendMessage("Rules: " + createString(world.getGameRules(), 0, ", "));
        return true;
    }

    private static World getGameWorld(CommandSender sender) {
        if (sender instanceof HumanEntity) {
            World world = ((HumanEntity) sender).getWorld();
            if (world != null) {
                return world;
            }
        }
        return Bukkit.getWorlds().get(0);
    }
}
