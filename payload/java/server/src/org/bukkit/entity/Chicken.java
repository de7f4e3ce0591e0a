package org.bukkit.entity;

/** A chicken in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Chicken extends Animals {
}
