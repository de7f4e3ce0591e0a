package org.bukkit.entity;

/** A blaze in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Blaze extends Monster {
}
