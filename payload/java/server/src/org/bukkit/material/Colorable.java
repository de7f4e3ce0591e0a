package org.bukkit.material;

import org.bukkit.DyeColor;

/** Something that has a dye colour. */
public interface Colorable {
    DyeColor getColor();
    void setColor(DyeColor dyeColor);
}
