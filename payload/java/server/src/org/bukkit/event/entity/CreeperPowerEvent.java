package org.bukkit.event.entity;

import org.bukkit.entity.Creeper;
import org.bukkit.entity.LightningStrike;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A creeper is charged or uncharged.
 */
public class CreeperPowerEvent extends EntityEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final LightningStrike lightning;
    private final PowerCause cause;
    private boolean cancelled;

    public CreeperPowerEvent(final Creeper creeper, final LightningStrike bolt, final PowerCause cause) {
        super(creeper);
        lightning = bolt;
        this.cause = cause;
    }

    public CreeperPowerEvent(final Creeper creeper, final PowerCause cause) {
        this(creeper, null, cause);
    }

    public LightningStrike getLightning() {
        return lightning;
    }

    public PowerCause getCause() {
        return cause;
    }

    @Override
    public Creeper getEntity() {
        return (Creeper) entity;
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

    /** What charged or uncharged the creeper. */
    public enum PowerCause {
        LIGHTNING,
        SET_ON,
        SET_OFF
    }
}
