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

    // --- the whole-number forms older plugins were built against ---

    @Deprecated
    void _INVALID_damage(int amount);

    @Deprecated
    void _INVALID_damage(int amount, Entity source);

    @Deprecated
    int _INVALID_getHealth();

    @Deprecated
    void _INVALID_setHealth(int health);

    @Deprecated
    int _INVALID_getMaxHealth();

    @Deprecated
    void _INVALID_setMaxHealth(int health);
}
