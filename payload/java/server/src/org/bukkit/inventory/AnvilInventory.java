package org.bukkit.inventory;

/** An anvil's two input slots and its result. */
public interface AnvilInventory extends Inventory {
}
