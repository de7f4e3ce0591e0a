package org.bukkit.entity;

import org.bukkit.util.Vector;

/** A minecart in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Minecart extends Vehicle {
    @Deprecated
    int _INVALID_getDamage();
    @Deprecated
    void _INVALID_setDamage(int value);
    double getDamage();
    Vector getDerailedVelocityMod();
    Vector getFlyingVelocityMod();
    double getMaxSpeed();
    boolean isSlowWhenEmpty();
    void setDamage(double damage);
    void setDerailedVelocityMod(Vector derailedVelocityMod);
    void setFlyingVelocityMod(Vector flyingVelocityMod);
    void setMaxSpeed(double maxSpeed);
    void setSlowWhenEmpty(boolean slowWhenEmpty);
}
