package org.bukkit.inventory.meta;

/** An item the anvil repairs: the experience levels its next repair costs beyond the work itself. */
public interface Repairable {
    boolean hasRepairCost();

    int getRepairCost();

    void setRepairCost(int cost);

    Repairable clone();
}
