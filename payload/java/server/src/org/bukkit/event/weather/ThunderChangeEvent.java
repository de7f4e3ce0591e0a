package org.bukkit.event.weather;

import org.bukkit.World;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A thunderstorm starts or ends.
 */
public class ThunderChangeEvent extends WeatherEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final boolean to;
    private boolean cancelled;

    public ThunderChangeEvent(final World world, final boolean to) {
        super(world);
        this.to = to;
    }

    /** Whether it thunders afterwards. */
    public boolean toThunderState() {
        return to;
    }


    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
