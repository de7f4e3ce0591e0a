package org.bukkit.entity;

/** A boat in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Boat extends Vehicle {
    double getMaxSpeed();
    double getOccupiedDeceleration();
    double getUnoccupiedDeceleration();
    boolean getWorkOnLand();
    void setMaxSpeed(double maxSpeed);
    void setOccupiedDeceleration(double occupiedDeceleration);
    void setUnoccupiedDeceleration(double unoccupiedDeceleration);
    void setWorkOnLand(boolean workOnLand);
}
