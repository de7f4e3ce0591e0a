package org.bukkit.entity;

import org.bukkit.util.Vector;

/** A fireball in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Fireball extends Projectile, Explosive {
    Vector getDirection();
    void setDirection(Vector direction);
}
