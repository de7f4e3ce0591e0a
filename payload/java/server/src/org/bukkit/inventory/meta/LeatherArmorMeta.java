package org.bukkit.inventory.meta;

import org.bukkit.Color;

/** Leather armour's dye; the leather's own brown when none was given. */
public interface LeatherArmorMeta extends ItemMeta {
    Color getColor();

    /** null takes the dye away. */
    void setColor(Color color);

    LeatherArmorMeta clone();
}
