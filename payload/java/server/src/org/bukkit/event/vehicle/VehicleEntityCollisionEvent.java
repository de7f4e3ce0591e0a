package org.bukkit.event.vehicle;

import org.bukkit.entity.Entity;
import org.bukkit.entity.Vehicle;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A vehicle runs into an entity; the collision and the pick-up may each be cancelled.
 */
public class VehicleEntityCollisionEvent extends VehicleCollisionEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final Entity entity;
    private boolean pickupCancelled;
    private boolean collisionCancelled;
    private boolean cancelled;

    public VehicleEntityCollisionEvent(final Vehicle vehicle, final Entity entity) {
        super(vehicle);
        this.entity = entity;
    }

    public Entity getEntity() {
        return entity;
    }

    public boolean isPickupCancelled() {
        return pickupCancelled;
    }

    public void setPickupCancelled(final boolean pickupCancelled) {
        this.pickupCancelled = pickupCancelled;
    }

    public boolean isCollisionCancelled() {
        return collisionCancelled;
    }

    public void setCollisionCancelled(final boolean collisionCancelled) {
        this.collisionCancelled = collisionCancelled;
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
