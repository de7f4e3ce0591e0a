package org.bukkit.entity;

import org.bukkit.Rotation;
import org.bukkit.inventory.ItemStack;

public interface ItemFrame extends Hanging {
    ItemStack getItem();
    Rotation getRotation();
    void setItem(ItemStack itemStack);
    void setRotation(Rotation rotation) throws IllegalArgumentException;
}
