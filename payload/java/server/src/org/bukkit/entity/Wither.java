package org.bukkit.entity;

/** A wither in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Wither extends Monster {
}
