package org.bukkit.event.inventory;

import org.apache.commons.lang.Validate;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.HandlerList;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.ItemStack;

/**
 * Something moves an item from one inventory to another (a hopper); the item may be changed.
 */
public class InventoryMoveItemEvent extends Event implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final Inventory source;
    private ItemStack item;
    private final Inventory destination;
    private final Inventory initiator;
    private boolean cancelled;

    public InventoryMoveItemEvent(final Inventory sourceInventory, final ItemStack itemStack, final Inventory destinationInventory, final boolean didSourceInitiate) {
        Validate.notNull(itemStack, "ItemStack cannot be null");
        source = sourceInventory;
        item = itemStack;
        destination = destinationInventory;
        initiator = didSourceInitiate ? sourceInventory : destinationInventory;
    }

    public Inventory getSource() {
        return source;
    }

    public ItemStack getItem() {
        return item;
    }

    public void setItem(final ItemStack item) {
        this.item = item;
    }

    public Inventory getDestination() {
        return destination;
    }

    public Inventory getInitiator() {
        return initiator;
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
