package org.bukkit.event.weather;

import org.bukkit.World;
import org.bukkit.event.Event;

/**
 * An event about a world's weather.
 */
public abstract class WeatherEvent extends Event {
    protected final World world;

    public WeatherEvent(final World where) {
        world = where;
    }

    public final World getWorld() {
        return world;
    }

}
