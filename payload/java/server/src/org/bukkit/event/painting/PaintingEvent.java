package org.bukkit.event.painting;

import org.bukkit.entity.Painting;
import org.bukkit.event.Event;

/**
 * An event about a painting; the hanging events replace these.
 */
@Deprecated
public abstract class PaintingEvent extends Event {
    protected final Painting painting;

    protected PaintingEvent(final Painting painting) {
        this.painting = painting;
    }

    public Painting getPainting() {
        return painting;
    }
}
