package org.bukkit.entity;

import org.bukkit.Rotation;
import org.bukkit.inventory.ItemStack;

/** An item frame in the world. This server simulates players only, so no entity of this kind exists here. */
public interface ItemFrame extends Hanging {
    ItemStack getItem();
    Rotation getRotation();
    void setItem(ItemStack item);
    void setRotation(Rotation rotation) throws IllegalArgumentException;
}
