package net.cubeworks.world.game.player;

import org.bukkit.WeatherType;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The clock and weather a plugin gave one player apart from the world's: his time runs ahead of
 * the world's by an offset, or stands still at a fixed time of day; his weather stays as set while
 * the world's changes. Read from any thread.
 */
public final class OwnSky {
    private volatile long time;
    private volatile boolean relative = true;
    private volatile WeatherType weather;

    /** The time packet his client is to get: his own time if he has one, else the world's. */
    public PacketOut timePacket(long worldAge, long dayTime) {
        if (relative) {
            return PlayPackets.timeUpdate(worldAge, dayTime + time);
        }
        // a negative time of day stops the client's sun where it is
        long fixed = time % 24000;
        return PlayPackets.timeUpdate(worldAge, -(fixed == 0 ? 1 : fixed));
    }

    /** Whether he was given a time of his own. */
    public boolean hasOwnTime() {
        return time != 0 || !relative;
    }

    /** His time: an offset from the world's when relative, else a fixed time. */
    public void setTime(long value, boolean relativeToWorld) {
        time = value;
        relative = relativeToWorld;
    }

    public long offset() {
        return time;
    }

    public boolean isRelative() {
        return relative;
    }

    /** The time his client shows, given the world's full time. */
    public long timeFor(long worldFullTime) {
        return relative ? worldFullTime + time : time;
    }

    /** His own weather, or null when he has the world's. */
    public WeatherType weather() {
        return weather;
    }

    public void setWeather(WeatherType type) {
        weather = type;
    }

    /** Change Game State: rain begins or ends in his client. */
    public static PacketOut weatherPacket(WeatherType type) {
        return PlayPackets.changeGameState(
                type == WeatherType.DOWNFALL ? PlayPackets.GAME_STATE_BEGIN_RAIN : PlayPackets.GAME_STATE_END_RAIN, 0);
    }
}
