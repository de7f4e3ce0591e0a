package org.bukkit.entity;

/** A golem. This server simulates players only, so no entity of this kind exists here. */
public interface Golem extends Creature {
}
