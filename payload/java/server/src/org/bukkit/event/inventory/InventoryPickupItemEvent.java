package org.bukkit.event.inventory;

import org.bukkit.entity.Item;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.HandlerList;
import org.bukkit.inventory.Inventory;

/**
 * An inventory (a hopper) picks up an item lying in the world.
 */
public class InventoryPickupItemEvent extends Event implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final Inventory inventory;
    private final Item item;
    private boolean cancelled;

    public InventoryPickupItemEvent(final Inventory inventory, final Item item) {
        this.inventory = inventory;
        this.item = item;
    }

    public Inventory getInventory() {
        return inventory;
    }

    public Item getItem() {
        return item;
    }

    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
