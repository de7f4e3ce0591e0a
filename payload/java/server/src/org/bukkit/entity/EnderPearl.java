package org.bukkit.entity;

/** An ender pearl in the world. This server simulates players only, so no entity of this kind exists here. */
public interface EnderPearl extends Projectile {
}
