package org.bukkit.block;

import org.bukkit.inventory.InventoryHolder;

/** A block with an inventory. */
@Deprecated
public interface ContainerBlock extends InventoryHolder {
}
