package org.bukkit.event.player;

import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A player picks another hot-bar slot (0 to 8); cancelled, he is put back in the old one.
 */
public class PlayerItemHeldEvent extends PlayerEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final int previous;
    private final int current;
    private boolean cancelled;

    public PlayerItemHeldEvent(final Player player, final int previous, final int current) {
        super(player);
        this.previous = previous;
        this.current = current;
    }

    public int getPreviousSlot() {
        return previous;
    }

    public int getNewSlot() {
        return current;
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
