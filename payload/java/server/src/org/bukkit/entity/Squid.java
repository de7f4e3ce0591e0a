package org.bukkit.entity;

/** A squid in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Squid extends WaterMob {
}
