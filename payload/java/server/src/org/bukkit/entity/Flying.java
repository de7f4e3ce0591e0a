package org.bukkit.entity;

/** A flying creature. This server simulates players only, so no entity of this kind exists here. */
public interface Flying extends LivingEntity {
}
