package org.bukkit.inventory;

import org.bukkit.block.Furnace;

/** A furnace's three slots: what smelts (0), the fuel (1), the result (2). */
public interface FurnaceInventory extends Inventory {
    ItemStack getResult();

    ItemStack getFuel();

    ItemStack getSmelting();

    void setFuel(ItemStack stack);

    void setResult(ItemStack stack);

    void setSmelting(ItemStack stack);

    Furnace getHolder();
}
