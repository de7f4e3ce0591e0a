package org.bukkit.entity;

/**
 * A large fireball in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface LargeFireball extends Fireball {
}
