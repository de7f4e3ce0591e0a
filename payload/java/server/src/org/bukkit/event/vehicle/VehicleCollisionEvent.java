package org.bukkit.event.vehicle;

import org.bukkit.entity.Vehicle;

/**
 * A vehicle runs into something.
 */
public abstract class VehicleCollisionEvent extends VehicleEvent {
    public VehicleCollisionEvent(final Vehicle vehicle) {
        super(vehicle);
    }
}
