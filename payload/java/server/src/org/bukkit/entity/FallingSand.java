package org.bukkit.entity;

/**
 * The older name of a falling block. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface FallingSand extends FallingBlock {
}
