package org.bukkit.block;

import org.bukkit.inventory.FurnaceInventory;

/** A furnace: its slots, how long its fuel still burns and how far the item smelts (ticks). */
public interface Furnace extends BlockState, ContainerBlock {
    short getBurnTime();

    void setBurnTime(short burnTime);

    short getCookTime();

    void setCookTime(short cookTime);

    FurnaceInventory getInventory();
}
