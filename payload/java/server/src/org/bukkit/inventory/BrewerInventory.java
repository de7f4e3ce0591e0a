package org.bukkit.inventory;

import org.bukkit.block.BrewingStand;

/** A brewing stand's three bottles (0 to 2) and the ingredient (3). */
public interface BrewerInventory extends Inventory {
    ItemStack getIngredient();

    void setIngredient(ItemStack ingredient);

    BrewingStand getHolder();
}
