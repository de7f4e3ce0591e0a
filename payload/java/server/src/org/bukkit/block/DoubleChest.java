package org.bukkit.block;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryHolder;

/** Two chests side by side, as one holder of 54 slots; its place is the middle between them. */
public interface DoubleChest extends InventoryHolder {
    Inventory getInventory();

    InventoryHolder getLeftSide();

    InventoryHolder getRightSide();

    Location getLocation();

    World getWorld();

    double getX();

    double getY();

    double getZ();
}
