package org.bukkit.entity;

import org.bukkit.DyeColor;

public interface Wolf extends Animals, Tameable {
    DyeColor getCollarColor();
    boolean isAngry();
    boolean isSitting();
    void setAngry(boolean value);
    void setCollarColor(DyeColor dyeColor);
    void setSitting(boolean value);
}
