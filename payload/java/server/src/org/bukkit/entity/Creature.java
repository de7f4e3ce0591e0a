package org.bukkit.entity;

/**
 * A creature that moves about on its own. This server simulates players only, so no entity of this
 * kind exists here.
 */
public interface Creature extends LivingEntity {
    LivingEntity getTarget();
    void setTarget(LivingEntity livingEntity);
}
