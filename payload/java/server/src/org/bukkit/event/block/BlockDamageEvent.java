package org.bukkit.event.block;

import org.bukkit.block.Block;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;
import org.bukkit.inventory.ItemStack;

/**
 * A player starts to dig a block. Cancelled, he does not dig it; with instant breaking set, the
 * block breaks at once, whatever its hardness.
 */
public class BlockDamageEvent extends BlockEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final Player player;
    private boolean instaBreak;
    private final ItemStack itemInHand;
    private boolean cancelled;

    public BlockDamageEvent(final Player player, final Block block, final ItemStack itemInHand, final boolean instaBreak) {
        super(block);
        this.player = player;
        this.instaBreak = instaBreak;
        this.itemInHand = itemInHand;
    }

    public Player getPlayer() {
        return player;
    }

    public boolean getInstaBreak() {
        return instaBreak;
    }

    public void setInstaBreak(final boolean instaBreak) {
        this.instaBreak = instaBreak;
    }

    public ItemStack getItemInHand() {
        return itemInHand;
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
