package org.bukkit.inventory;

/** An enchanting table's one slot. */
public interface EnchantingInventory extends Inventory {
    void setItem(ItemStack item);

    ItemStack getItem();
}
