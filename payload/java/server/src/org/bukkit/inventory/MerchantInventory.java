package org.bukkit.inventory;

/** A villager's trade window: two payment slots and the result. */
public interface MerchantInventory extends Inventory {
}
