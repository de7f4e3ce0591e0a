package org.bukkit.entity;

/**
 * An ender dragon in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface EnderDragon extends ComplexLivingEntity {
}
