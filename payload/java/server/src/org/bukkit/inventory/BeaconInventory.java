package org.bukkit.inventory;

/** A beacon's one slot, for the payment. */
public interface BeaconInventory extends Inventory {
    void setItem(ItemStack item);

    ItemStack getItem();
}
