package org.bukkit.entity;

import org.bukkit.util.Vector;

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
    void setDamage(double value);
    void setDerailedVelocityMod(Vector vector);
    void setFlyingVelocityMod(Vector vector);
    void setMaxSpeed(double value);
    void setSlowWhenEmpty(boolean value);
}
