package org.bukkit.entity;

/** An entity with health. */
public interface Damageable extends Entity {
    void damage(double amount);

    void damage(double amount, Entity source);

    double getHealth();

    /** Sets the health, 0 to the maximum; 0 kills. */
    void setHealth(double health);

    double getMaxHealth();

    void setMaxHealth(double health);

    void resetMaxHealth();
}
