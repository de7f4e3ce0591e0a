package org.bukkit.event.weather;

import org.bukkit.World;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * Rain starts or ends.
 */
public class WeatherChangeEvent extends WeatherEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final boolean to;
    private boolean cancelled;

    public WeatherChangeEvent(final World world, final boolean to) {
        super(world);
        this.to = to;
    }

    /** Whether it rains afterwards. */
    public boolean toWeatherState() {
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
