package org.bukkit.block;

import org.bukkit.inventory.InventoryHolder;

/** A dropper: nine slots, and drops one item when powered. */
public interface Dropper extends BlockState, InventoryHolder {
    /** Drops one item out of its front, as a redstone pulse would. */
    void drop();
}
