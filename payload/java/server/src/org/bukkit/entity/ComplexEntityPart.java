package org.bukkit.entity;

/**
 * One part of an entity made of several (the ender dragon). This server simulates players only, so
 * no entity of this kind exists here.
 */
public interface ComplexEntityPart extends Entity {
    ComplexLivingEntity getParent();
}
