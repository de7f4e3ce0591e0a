package org.bukkit.entity;

/** A weather entity. This server simulates players only, so no entity of this kind exists here. */
public interface Weather extends Entity {
}
