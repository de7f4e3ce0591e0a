package org.bukkit.block;

import org.bukkit.inventory.InventoryHolder;

/** A hopper and its five slots. */
public interface Hopper extends BlockState, InventoryHolder {
}
