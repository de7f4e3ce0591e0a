package org.bukkit.entity;

/** A giant in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Giant extends Monster {
}
