package org.bukkit.entity;

/** A silverfish in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Silverfish extends Monster {
}
