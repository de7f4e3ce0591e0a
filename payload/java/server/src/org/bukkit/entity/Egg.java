package org.bukkit.entity;

/** An egg in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Egg extends Projectile {
}
