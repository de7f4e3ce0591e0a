package org.bukkit.entity;

/**
 * An ender crystal in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface EnderCrystal extends Entity {
}
