package org.bukkit.material;

import org.bukkit.DyeColor;

public interface Colorable {
    DyeColor getColor();
    void setColor(DyeColor dyeColor);
}
