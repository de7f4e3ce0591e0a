package org.bukkit.event.hanging;

import org.bukkit.entity.Hanging;
import org.bukkit.event.Event;

/**
 * An event about a hanging entity: a painting or an item frame.
 */
public abstract class HangingEvent extends Event {
    protected final Hanging hanging;

    protected HangingEvent(final Hanging painting) {
        hanging = painting;
    }

    public Hanging getEntity() {
        return hanging;
    }
}
