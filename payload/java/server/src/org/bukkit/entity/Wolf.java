package org.bukkit.entity;

import org.bukkit.DyeColor;

/** A wolf in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Wolf extends Animals, Tameable {
    DyeColor getCollarColor();
    boolean isAngry();
    boolean isSitting();
    void setAngry(boolean angry);
    void setCollarColor(DyeColor dyeColor);
    void setSitting(boolean sitting);
}
