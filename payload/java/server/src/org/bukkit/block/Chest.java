package org.bukkit.block;

import org.bukkit.inventory.Inventory;

/** A chest: getInventory is both chests' when it has a neighbour, getBlockInventory its own. */
public interface Chest extends BlockState, ContainerBlock {
    Inventory getBlockInventory();
}
