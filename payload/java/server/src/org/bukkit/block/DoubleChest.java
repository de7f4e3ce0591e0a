package org.bukkit.block;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.inventory.DoubleChestInventory;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryHolder;

/** Two chests side by side, as one holder of their 54 slots; its place is the middle between them. */
public class DoubleChest implements InventoryHolder {
    private final DoubleChestInventory inventory;

    public DoubleChest(DoubleChestInventory chest) {
        inventory = chest;
    }

    public Inventory getInventory() {
        return inventory;
    }

    public InventoryHolder getLeftSide() {
        return inventory.getLeftSide().getHolder();
    }

    public InventoryHolder getRightSide() {
        return inventory.getRightSide().getHolder();
    }

    public Location getLocation() {
        Location left = ((Chest) getLeftSide()).getLocation();
        Location right = ((Chest) getRightSide()).getLocation();
        return new Location(getWorld(), (left.getX() + right.getX()) / 2.0, (left.getY() + right.getY()) / 2.0,
                (left.getZ() + right.getZ()) / 2.0);
    }

    public World getWorld() {
        return ((Chest) getLeftSide()).getWorld();
    }

    public double getX() {
        return getLocation().getX();
    }

    public double getY() {
        return getLocation().getY();
    }

    public double getZ() {
        return getLocation().getZ();
    }
}
