package net.cubeworks.world.game.event;

import org.bukkit.World;
import org.bukkit.entity.LightningStrike;
import org.bukkit.event.weather.LightningStrikeEvent;
import org.bukkit.event.weather.ThunderChangeEvent;
import org.bukkit.event.weather.WeatherChangeEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The weather's events: rain and thunder coming and going, a bolt of lightning. True: it goes ahead. */
public final class WeatherEvents {
    private WeatherEvents() {
    }

    public static boolean rain(GameHost host, World world, boolean to) {
        if (WeatherChangeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        WeatherChangeEvent event = new WeatherChangeEvent(world, to);
        host.callEvent(event);
        return !event.isCancelled();
    }

    public static boolean thunder(GameHost host, World world, boolean to) {
        if (ThunderChangeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        ThunderChangeEvent event = new ThunderChangeEvent(world, to);
        host.callEvent(event);
        return !event.isCancelled();
    }

    public static boolean lightning(GameHost host, World world, LightningStrike bolt) {
        if (LightningStrikeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        LightningStrikeEvent event = new LightningStrikeEvent(world, bolt);
        host.callEvent(event);
        return !event.isCancelled();
    }
}
