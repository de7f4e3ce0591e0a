package org.bukkit.entity;

/** A ghast in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Ghast extends Flying {
}
