package org.bukkit.inventory.meta;

import java.util.List;
import java.util.Map;

import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.enchantments.Enchantment;

/** What an item carries beyond its type, count and damage: a display name, lore lines, enchantments. */
public interface ItemMeta extends Cloneable, ConfigurationSerializable {
    boolean hasDisplayName();

    String getDisplayName();

    void setDisplayName(String name);

    boolean hasLore();

    List<String> getLore();

    void setLore(List<String> lore);

    boolean hasEnchants();

    boolean hasEnchant(Enchantment ench);

    int getEnchantLevel(Enchantment ench);

    Map<Enchantment, Integer> getEnchants();

    /** Adds the enchantment; past its highest level only when ignoreLevelRestriction. True when the meta changed. */
    boolean addEnchant(Enchantment ench, int level, boolean ignoreLevelRestriction);

    boolean removeEnchant(Enchantment ench);

    boolean hasConflictingEnchant(Enchantment ench);

    ItemMeta clone();
}
