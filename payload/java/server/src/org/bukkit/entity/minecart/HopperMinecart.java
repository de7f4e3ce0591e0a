package org.bukkit.entity.minecart;

import org.bukkit.entity.Minecart;
import org.bukkit.inventory.InventoryHolder;

public interface HopperMinecart extends Minecart, InventoryHolder {
}
