package org.bukkit.command.defaults;

import java.util.ArrayList;
import java.util.Map;

import org.apache.commons.lang.WordUtils;
import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.Material;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.entity.Player;
import org.bukkit.inventory.ItemStack;

/** /enchant: enchants the item a player holds (0 takes the enchantment off; force ignores the rules). */
public class EnchantCommand extends VanillaCommand {
    public EnchantCommand() {
        super("enchant");
        this.description = "Adds enchantments to the item the player is currently holding. Specify 0 for the level to "
                + "remove an enchantment. Specify force to ignore normal enchantment restrictions";
        this.usageMessage = "/enchant <player> <enchantment> [level|max|0] [force]";
        this.setPermission("bukkit.command.enchant");
        this.setAliases(new ArrayList<String>());
    }

    private static String nice(String name) {
        return WordUtils.capitalizeFully(name.replaceAll("_", " "));
    }

    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length < 2) {
            return usage(sender);
        }
        boolean force = false;
        if (args.length > 2) {
            force = args[args.length > 3 ? 3 : 2].equalsIgnoreCase("force");
        }
        Player player = Bukkit.getPlayerExact(args[0]);
        if (player == null) {
            sender.sendMessage("Can't find player " + args[0]);
            return true;
        }
        ItemStack item = player.getItemInHand();
        if (item == null || item.getType() == Material.AIR) {
            sender.sendMessage("The player isn't holding an item");
            return true;
        }
        String itemName = nice(item.getType().toString());
        Enchantment enchantment = getEnchantment(args[1].toUpperCase());
        if (enchantment == null) {
            sender.sendMessage(String.format("Enchantment does not exist: %s", args[1]));
            return true;
        }
        String enchantmentName = nice(enchantment.getName());
        if (!force && !enchantment.canEnchantItem(item)) {
            sender.sendMessage(String.format("%s cannot be applied to %s", enchantmentName, itemName));
            return true;
        }
        int level = 1;
        if (args.length > 2) {
            Integer integer = getInteger(args[2]);
            int minLevel = enchantment.getStartLevel();
            int maxLevel = force ? Short.MAX_VALUE : enchantment.getMaxLevel();
            if (integer != null) {
                if (integer == 0) {
                    item.removeEnchantment(enchantment);
                    player.setItemInHand(item);
                    Command.broadcastCommandMessage(sender, String.format("Removed %s on %s's %s", enchantmentName,
                            player.getName(), itemName));
                    return true;
                }
                if (integer < minLevel || integer > maxLevel) {
                    sender.sendMessage(String.format("Level for enchantment %s must be between %d and %d",
                            enchantmentName, minLevel, maxLevel));
                    sender.sendMessage("Specify 0 for level to remove an enchantment");
                    return true;
                }
                level = integer;
            }
            if ("max".equals(args[2])) {
                level = maxLevel;
            }
        }
        Map<Enchantment, Integer> enchantments = item.getEnchantments();
        if (!force) {
            for (Map.Entry<Enchantment, Integer> entry : enchantments.entrySet()) {
                Enchantment enchant = entry.getKey();
                if (enchant.equals(enchantment)) {
                    continue;
                }
                if (enchant.conflictsWith(enchantment)) {
                    sender.sendMessage(String.format("Can't apply the enchantment %s on an item with the enchantment %s",
                            enchantmentName, nice(enchant.getName())));
                    return true;
                }
            }
        }
        item.addUnsafeEnchantment(enchantment, level);
        player.setItemInHand(item);
        Command.broadcastCommandMessage(sender, String.format("Applied %s (Lvl %d) on %s's %s", enchantmentName, level,
                player.getName(), itemName), false);
        sender.sendMessage(String.format("Enchanting succeeded, applied %s (Lvl %d) onto your %s", enchantmentName,
                level, itemName));
        return true;
    }

    private Enchantment getEnchantment(String lookup) {
        Enchantment enchantment = Enchantment.getByName(lookup);
        if (enchantment == null) {
            Integer id = getInteger(lookup);
            if (id != null) {
                enchantment = Enchantment.getById(id);
            }
        }
        return enchantment;
    }
}
