package org.bukkit.entity.minecart;

import org.bukkit.entity.Minecart;
import org.bukkit.inventory.InventoryHolder;

/**
 * A hopper minecart in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface HopperMinecart extends Minecart, InventoryHolder {
}
