package org.bukkit.entity;

/** A witch in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Witch extends Monster {
}
