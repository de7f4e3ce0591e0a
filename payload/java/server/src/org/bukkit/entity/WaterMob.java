package org.bukkit.entity;

/**
 * A creature that lives in water. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface WaterMob extends Creature {
}
