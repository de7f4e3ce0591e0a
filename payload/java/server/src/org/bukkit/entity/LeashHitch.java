package org.bukkit.entity;

/** A leash hitch in the world. This server simulates players only, so no entity of this kind exists here. */
public interface LeashHitch extends Hanging {
}
