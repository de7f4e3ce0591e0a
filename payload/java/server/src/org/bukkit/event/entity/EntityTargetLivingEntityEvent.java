package org.bukkit.event.entity;

import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;

/**
 * A creature picks a living target; a new target must be living too.
 */
public class EntityTargetLivingEntityEvent extends EntityTargetEvent {
    public EntityTargetLivingEntityEvent(final Entity entity, final LivingEntity target, final TargetReason reason) {
        super(entity, target, reason);
    }

    @Override
    public LivingEntity getTarget() {
        return (LivingEntity) super.getTarget();
    }

    /** Only a living entity, or null, may be the target; anything else is ignored. */
    @Override
    public void setTarget(final Entity target) {
        if (target == null || target instanceof LivingEntity) {
            super.setTarget(target);
        }
    }

}
