package org.bukkit.inventory;

/** A crafting grid (the player's own 2x2 or a table's 3x3) and its result slot. */
public interface CraftingInventory extends Inventory {
    ItemStack getResult();

    /** The grid row by row; null for an empty cell. */
    ItemStack[] getMatrix();

    void setResult(ItemStack newResult);

    void setMatrix(ItemStack[] contents);

    /** The recipe the grid makes now, or null. */
    Recipe getRecipe();
}
