package org.bukkit.entity;

public interface Creature extends LivingEntity {
    LivingEntity getTarget();
    void setTarget(LivingEntity livingEntity);
}
