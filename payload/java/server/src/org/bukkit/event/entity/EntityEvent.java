package org.bukkit.event.entity;

import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.event.Event;

/** An event about one entity. */
public abstract class EntityEvent extends Event {
    protected Entity entity;

    public EntityEvent(final Entity what) {
        entity = what;
    }

    public Entity getEntity() {
        return entity;
    }

    /**
     * The entity's kind: the most specific kind whose interface the entity has (a zombie pigman
     * is a zombie too), UNKNOWN for none.
     */
    public EntityType getEntityType() {
        EntityType best = EntityType.UNKNOWN;
        for (EntityType type : EntityType.values()) {
            Class<?> c = type.getEntityClass();
            if (c != null && c.isInstance(entity)
                    && (best.getEntityClass() == null || best.getEntityClass().isAssignableFrom(c))) {
                best = type;
            }
        }
        return best;
    }
}
