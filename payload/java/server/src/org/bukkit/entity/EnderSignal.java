package org.bukkit.entity;

/**
 * An ender signal in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface EnderSignal extends Entity {
}
