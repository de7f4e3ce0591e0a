package org.bukkit.event.inventory;

import org.bukkit.event.HandlerList;
import org.bukkit.inventory.CraftingInventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.Recipe;

/**
 * The items in a crafting grid change, and the server shows the result it found.
 */
public class PrepareItemCraftEvent extends InventoryEvent {
    private static final HandlerList handlers = new HandlerList();
    private final CraftingInventory matrix;
    private final boolean repair;

    public PrepareItemCraftEvent(final CraftingInventory what, final InventoryView view, final boolean isRepair) {
        super(view);
        matrix = what;
        repair = isRepair;
    }

    public boolean isRepair() {
        return repair;
    }

    /** The recipe the grid matches, or null. */
    public Recipe getRecipe() {
        return matrix.getRecipe();
    }

    @Override
    public CraftingInventory getInventory() {
        return matrix;
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
