package org.bukkit.entity;

/**
 * A thrown bottle of enchanting. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface ThrownExpBottle extends Projectile {
}
