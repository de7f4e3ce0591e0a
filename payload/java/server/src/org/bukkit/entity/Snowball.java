package org.bukkit.entity;

/** A snowball in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Snowball extends Projectile {
}
