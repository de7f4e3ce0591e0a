package org.bukkit.event.hanging;

import org.bukkit.entity.Entity;
import org.bukkit.entity.Hanging;

/**
 * An entity knocks a hanging entity down.
 */
public class HangingBreakByEntityEvent extends HangingBreakEvent {
    private final Entity remover;

    public HangingBreakByEntityEvent(final Hanging hanging, final Entity remover) {
        super(hanging, RemoveCause.ENTITY);
        this.remover = remover;
    }

    public Entity getRemover() {
        return remover;
    }
}
