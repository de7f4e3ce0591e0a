package org.bukkit.entity;

/** A snowman in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Snowman extends Golem {
}
