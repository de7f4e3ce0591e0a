package org.bukkit.entity;

public interface Boat extends Vehicle {
    double getMaxSpeed();
    double getOccupiedDeceleration();
    double getUnoccupiedDeceleration();
    boolean getWorkOnLand();
    void setMaxSpeed(double value);
    void setOccupiedDeceleration(double value);
    void setUnoccupiedDeceleration(double value);
    void setWorkOnLand(boolean value);
}
