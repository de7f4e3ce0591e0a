package org.bukkit.entity;

import org.bukkit.inventory.ItemStack;

/** An item in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Item extends Entity {
    ItemStack getItemStack();
    int getPickupDelay();
    void setItemStack(ItemStack itemStack);
    void setPickupDelay(int pickupDelay);
}
