package org.bukkit.block;

import org.bukkit.inventory.InventoryHolder;

/** A beacon and its payment slot. */
public interface Beacon extends BlockState, InventoryHolder {
}
