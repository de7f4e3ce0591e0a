package org.bukkit.inventory.meta;

import java.util.List;

import org.bukkit.configuration.serialization.ConfigurationSerializable;

/** What an item carries beyond its type, count and damage: a display name and lore lines. */
public interface ItemMeta extends Cloneable, ConfigurationSerializable {
    boolean hasDisplayName();

    String getDisplayName();

    void setDisplayName(String name);

    boolean hasLore();

    List<String> getLore();

    void setLore(List<String> lore);

    ItemMeta clone();
}
