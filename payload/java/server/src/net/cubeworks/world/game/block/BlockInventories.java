package net.cubeworks.world.game.block;

import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;

/**
 * The plugin API's inventory over the slots of the block at a place (of the type and size asked),
 * the one a window over the block or a plugin event names.
 */
public interface BlockInventories {
    Inventory at(int x, int y, int z, InventoryType type, int size);
}
