package org.bukkit.inventory;

import org.bukkit.block.DoubleChest;

/** The 54 slots of two chests side by side: the left chest's 27 first. */
public interface DoubleChestInventory extends Inventory {
    Inventory getLeftSide();

    Inventory getRightSide();

    DoubleChest getHolder();
}
