package net.cubeworks.world.game.world;

import java.util.Random;

import org.bukkit.World;

import net.cubeworks.world.game.event.WeatherEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Rain and thunder by the game's clock: each has a time that counts down every tick; when it
 * runs out the weather turns (as the plugins allow) and a new time is drawn: rain lasts half a day
 * to a day (12,000 to 24,000 ticks), a dry spell half a day to seven and a half days (12,000 to
 * 180,000), thunder 3,600 to 15,600 ticks and its absence 12,000 to 180,000. Thunder only storms
 * while it rains. The clients are told when the rain comes and goes.
 */
public final class Weather {
    /** Sends a packet to every player in the world. */
    public interface Broadcast {
        void toAll(PacketOut packet);
    }

    private final GameHost host;
    private final World api;
    private final Broadcast out;

    public Weather(GameHost host, World api, Broadcast out) {
        this.host = host;
        this.api = api;
        this.out = out;
    }

    /** A new time of rain (when raining) or of dry weather. */
    public static int rainTime(boolean raining, Random r) {
        return raining ? r.nextInt(12000) + 12000 : r.nextInt(168000) + 12000;
    }

    /** A new time of thunder (when thundering) or without. */
    public static int thunderTime(boolean thundering, Random r) {
        return thundering ? r.nextInt(12000) + 3600 : r.nextInt(168000) + 12000;
    }

    /** One tick of the weather's clocks. */
    public void tick(LevelState l, Random r) {
        if (l.thunderTime <= 0) {
            l.thunderTime = thunderTime(l.thundering, r);
        } else if (--l.thunderTime <= 0) {
            setThundering(l, !l.thundering);
        }
        if (l.rainTime <= 0) {
            l.rainTime = rainTime(l.raining, r);
        } else if (--l.rainTime <= 0) {
            setRaining(l, !l.raining);
        }
    }

    /** Starts or stops the rain, as the plugins allow; the clients are told. True when it changed. */
    public boolean setRaining(LevelState l, boolean on) {
        if (l.raining == on || !WeatherEvents.rain(host, api, on)) {
            return false;
        }
        l.raining = on;
        out.toAll(packet(on));
        return true;
    }

    /** Starts or stops the thunder, as the plugins allow. True when it changed. */
    public boolean setThundering(LevelState l, boolean on) {
        if (l.thundering == on || !WeatherEvents.thunder(host, api, on)) {
            return false;
        }
        l.thundering = on;
        return true;
    }

    /** What a client is told of the rain: begins or ends. */
    public static PacketOut packet(boolean raining) {
        return PlayPackets.changeGameState(raining ? PlayPackets.GAME_STATE_BEGIN_RAIN : PlayPackets.GAME_STATE_END_RAIN,
                0);
    }

    /** Whether a thunderstorm is on: it rains and thunders. */
    public static boolean storm(LevelState l) {
        return l.raining && l.thundering;
    }
}
