package net.cubeworks.world.game.entity;

import java.util.UUID;

import org.bukkit.entity.LivingEntity;

/**
 * A living kind of entity: it has health, and dies when it runs out. Players are one kind; the
 * animals and monsters to come are others, sharing health, damage and death through this.
 */
public abstract class Living extends WorldEntity implements LivingEntity {
    /** Health points; 0 or less is dead. */
    public float health;
    public boolean dead;

    protected Living(int entityId, UUID uniqueId, Object lock, float health) {
        super(entityId, uniqueId, lock);
        this.health = health;
    }

    /** The health a healthy one of this kind has. */
    public abstract double getMaxHealth();

    public boolean isDead() {
        synchronized (lock) {
            return dead || isRemoved();
        }
    }

    // --- whole-number health, for plugins built before health had fractions ---

    @Deprecated
    public void _INVALID_damage(int amount) {
        damage(amount);
    }

    @Deprecated
    public void _INVALID_damage(int amount, org.bukkit.entity.Entity source) {
        damage(amount, source);
    }

    @Deprecated
    public int _INVALID_getHealth() {
        return (int) Math.ceil(getHealth());
    }

    @Deprecated
    public void _INVALID_setHealth(int health) {
        setHealth(health);
    }

    @Deprecated
    public int _INVALID_getMaxHealth() {
        return (int) Math.ceil(getMaxHealth());
    }

    @Deprecated
    public void _INVALID_setMaxHealth(int health) {
        setMaxHealth(health);
    }

    @Deprecated
    public int _INVALID_getLastDamage() {
        return (int) Math.ceil(getLastDamage());
    }

    @Deprecated
    public void _INVALID_setLastDamage(int damage) {
        setLastDamage(damage);
    }
}
