package org.bukkit.event.entity;

import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.HandlerList;

/**
 * A player leashes a creature to himself or a fence.
 */
public class PlayerLeashEntityEvent extends Event implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final Entity leashHolder;
    private final Entity entity;
    private final Player player;
    private boolean cancelled;

    public PlayerLeashEntityEvent(final Entity what, final Entity leashHolder, final Player leasher) {
        entity = what;
        this.leashHolder = leashHolder;
        player = leasher;
    }

    public Entity getLeashHolder() {
        return leashHolder;
    }

    public Entity getEntity() {
        return entity;
    }

    public final Player getPlayer() {
        return player;
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
