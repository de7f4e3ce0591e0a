package org.bukkit.entity;

import org.bukkit.projectiles.ProjectileSource;

public interface Projectile extends Entity {
    @Deprecated
    LivingEntity _INVALID_getShooter();
    @Deprecated
    void _INVALID_setShooter(LivingEntity livingEntity);
    boolean doesBounce();
    ProjectileSource getShooter();
    void setBounce(boolean value);
    void setShooter(ProjectileSource projectileSource);
}
