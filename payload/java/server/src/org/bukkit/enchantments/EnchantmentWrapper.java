package org.bukkit.enchantments;

import org.bukkit.inventory.ItemStack;

/** Stands for the enchantment registered under an id, and answers as it does. */
public class EnchantmentWrapper extends Enchantment {
    public EnchantmentWrapper(int id) {
        super(id);
    }

    /** The registered enchantment of this id, or null when there is none. */
    public Enchantment getEnchantment() {
        return Enchantment.getById(getId());
    }

    private Enchantment real() {
        Enchantment e = getEnchantment();
        if (e == null) {
            throw new IllegalStateException("no enchantment is registered with id " + getId());
        }
        return e;
    }

    public int getMaxLevel() {
        return real().getMaxLevel();
    }

    public int getStartLevel() {
        return real().getStartLevel();
    }

    public EnchantmentTarget getItemTarget() {
        return real().getItemTarget();
    }

    public boolean canEnchantItem(ItemStack item) {
        return real().canEnchantItem(item);
    }

    public String getName() {
        return real().getName();
    }

    public boolean conflictsWith(Enchantment other) {
        return real().conflictsWith(other);
    }
}
