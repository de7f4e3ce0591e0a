package org.bukkit.inventory;

/** A way of making an item: at a crafting grid, or in a furnace. */
public interface Recipe {
    /** A copy of what the recipe makes. */
    ItemStack getResult();
}
