package org.bukkit.entity;

import org.bukkit.projectiles.ProjectileSource;

/** A projectile in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Projectile extends Entity {
    @Deprecated
    LivingEntity _INVALID_getShooter();
    @Deprecated
    void _INVALID_setShooter(LivingEntity livingEntity);
    boolean doesBounce();
    ProjectileSource getShooter();
    void setBounce(boolean bounce);
    void setShooter(ProjectileSource projectileSource);
}
