package org.bukkit.entity;

/**
 * A small fireball in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface SmallFireball extends Fireball {
}
