package org.bukkit.entity;

/**
 * An ender dragon part in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface EnderDragonPart extends ComplexEntityPart, Damageable {
    EnderDragon getParent();
}
