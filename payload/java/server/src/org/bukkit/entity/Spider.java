package org.bukkit.entity;

/** A spider in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Spider extends Monster {
}
