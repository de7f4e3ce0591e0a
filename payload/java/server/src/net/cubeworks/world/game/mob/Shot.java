package net.cubeworks.world.game.mob;

import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Projectile;
import org.bukkit.projectiles.ProjectileSource;

/** A thing shot or thrown by someone (an arrow, a snowball, an egg): who sent it, for its hits and the plugins. */
abstract class Shot extends Thing implements Projectile {
    /** Who shot or threw it (a mob, a player, a plugin's source), or null. */
    ProjectileSource shooter;
    boolean bounce;

    Shot(Mobs mobs, ProjectileSource shooter) {
        super(mobs);
        this.shooter = shooter;
    }

    public ProjectileSource getShooter() {
        return shooter;
    }

    public void setShooter(ProjectileSource s) {
        shooter = s;
    }

    @Deprecated
    public LivingEntity _INVALID_getShooter() {
        return shooter instanceof LivingEntity ? (LivingEntity) shooter : null;
    }

    @Deprecated
    public void _INVALID_setShooter(LivingEntity s) {
        shooter = s;
    }

    public boolean doesBounce() {
        return bounce;
    }

    public void setBounce(boolean b) {
        bounce = b;
    }
}
