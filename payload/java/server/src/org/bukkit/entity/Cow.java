package org.bukkit.entity;

/** A cow in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Cow extends Animals {
}
