package org.bukkit.entity;

/** An animal. This server simulates players only, so no entity of this kind exists here. */
public interface Animals extends Ageable {
}
