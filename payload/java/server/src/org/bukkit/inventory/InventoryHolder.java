package org.bukkit.inventory;

/** Something that has an inventory: a player, a chest. */
public interface InventoryHolder {
    Inventory getInventory();
}
