package org.bukkit.command.defaults;

import org.apache.commons.lang.WordUtils;
import org.bukkit.Material;
import org.bukkit.command.CommandSender;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.entity.Player;
import org.bukkit.inventory.ItemStack;

/**
 * /enchant: enchants the item a player holds, by the enchantment's API name or id, at a level
 * (1 unless said, "max" the highest); 0 takes it off; "force" lifts the item's and the levels'
 * limits and the conflicts.
 */
public class EnchantCommand extends GameCommand {
    public EnchantCommand() {
        super("enchant", "Adds enchantments to the item the player is currently holding. Specify 0 for the level to "
                + "remove an enchantment. Specify force to ignore normal enchantment restrictions",
                "/enchant <player> <enchantment> [level|max|0] [force]", "bukkit.command.enchant");
    }

    /** "DAMAGE_ALL" as "Damage All", as the answers name things. */
    private static String spoken(String name) {
        return WordUtils.capitalizeFully(name.replace('_', ' '));
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 2) {
            throw usage();
        }
        boolean force = words.count() > 2 && words.get(Math.min(3, words.count() - 1)).equalsIgnoreCase("force");
        Player target = words.player(0, true, "Can't find player {}");
        ItemStack held = target.getItemInHand();
        if (held == null || held.getType() == Material.AIR) {
            throw new Words.Refusal("The player isn't holding an item");
        }
        String item = spoken(held.getType().toString());
        Enchantment enchantment = Enchantment.getByName(words.get(1).toUpperCase());
        if (enchantment == null && words.get(1).matches("-?\\d{1,9}")) {
            enchantment = Enchantment.getById(Integer.parseInt(words.get(1)));
        }
        if (enchantment == null) {
            throw new Words.Refusal("Enchantment does not exist: " + words.get(1));
        }
        String name = spoken(enchantment.getName());
        if (!force && !enchantment.canEnchantItem(held)) {
            throw new Words.Refusal(name + " cannot be applied to " + item);
        }
        int highest = force ? Short.MAX_VALUE : enchantment.getMaxLevel();
        int level = 1;
        if (words.has(2) && words.get(2).equals("max")) {
            level = highest;
        } else if (words.has(2) && words.get(2).matches("-?\\d{1,9}")) {
            level = Integer.parseInt(words.get(2));
            if (level == 0) {
                held.removeEnchantment(enchantment);
                target.setItemInHand(held);
                broadcastCommandMessage(sender, "Removed " + name + " on " + target.getName() + "'s " + item);
                return;
            }
            if (level < enchantment.getStartLevel() || level > highest) {
                throw new Words.Refusal("Level for enchantment " + name + " must be between "
                        + enchantment.getStartLevel() + " and " + highest + "\nSpecify 0 for level to remove an enchantment");
            }
        }
        if (!force) {
            for (Enchantment other : held.getEnchantments().keySet()) {
                if (!other.equals(enchantment) && other.conflictsWith(enchantment)) {
                    throw new Words.Refusal("Can't apply the enchantment " + name + " on an item with the enchantment "
                            + spoken(other.getName()));
                }
            }
        }
        held.addUnsafeEnchantment(enchantment, level);
        target.setItemInHand(held); // the item in hand is a copy here: it goes back into the hand
        broadcastCommandMessage(sender, "Applied " + name + " (Lvl " + level + ") on " + target.getName() + "'s " + item,
                false);
        sender.sendMessage("Enchanting succeeded, applied " + name + " (Lvl " + level + ") onto your " + item);
    }
}
