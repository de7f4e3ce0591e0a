package org.bukkit.entity;

/** An ambient creature (a bat). This server simulates players only, so no entity of this kind exists here. */
public interface Ambient extends LivingEntity {
}
