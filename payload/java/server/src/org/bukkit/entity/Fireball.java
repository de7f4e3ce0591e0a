package org.bukkit.entity;

import org.bukkit.util.Vector;

public interface Fireball extends Projectile, Explosive {
    Vector getDirection();
    void setDirection(Vector vector);
}
