package org.bukkit.block;

import org.bukkit.inventory.BrewerInventory;

/** A brewing stand: its slots and the ticks the brewing still takes. */
public interface BrewingStand extends BlockState, ContainerBlock {
    int getBrewingTime();

    void setBrewingTime(int brewTime);

    BrewerInventory getInventory();
}
