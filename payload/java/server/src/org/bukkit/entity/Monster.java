package org.bukkit.entity;

/** A hostile creature. This server simulates players only, so no entity of this kind exists here. */
public interface Monster extends Creature {
}
