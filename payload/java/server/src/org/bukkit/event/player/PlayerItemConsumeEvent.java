package org.bukkit.event.player;

import org.bukkit.Material;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;
import org.bukkit.inventory.ItemStack;

/**
 * A player finishes eating or drinking; the item consumed may be changed, and cancelled he keeps it.
 */
public class PlayerItemConsumeEvent extends PlayerEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private ItemStack item;
    private boolean cancelled;

    public PlayerItemConsumeEvent(final Player player, final ItemStack item) {
        super(player);
        this.item = item;
    }

    /** A copy of the item consumed. */
    public ItemStack getItem() {
        return item.clone();
    }

    /** Null consumes the item the player holds. */
    public void setItem(final ItemStack item) {
        this.item = item == null ? new ItemStack(Material.AIR) : item;
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
