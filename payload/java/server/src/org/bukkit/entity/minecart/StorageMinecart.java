package org.bukkit.entity.minecart;

import org.bukkit.entity.Minecart;
import org.bukkit.inventory.InventoryHolder;

public interface StorageMinecart extends Minecart, InventoryHolder {
}
