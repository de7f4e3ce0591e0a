package net.cubeworks.world.game.api;

import org.bukkit.Effect;
import org.bukkit.Location;
import org.bukkit.Sound;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.player.SoundNames;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The effects and sounds plugins play in the world: sent, as they are, to the players near the
 * place (under the world lock, so the players stand still while they are picked).
 */
public final class ApiWorldEffects {
    private final Object lock;
    private final Players players;

    ApiWorldEffects(Object lock, Players players) {
        this.lock = lock;
        this.players = players;
    }

    /** Plays the effect, with its data as the game's number, for the players within the radius (in blocks) of it. */
    void effect(Location location, Effect effect, int data, int radius) {
        byte[] packet = PlayPackets.effect(effect.getId(), location.getBlockX(), location.getBlockY(),
                location.getBlockZ(), data, false).frame();
        toPlayersNear(location, radius, packet);
    }

    /** Plays the sound for the players who hear it: within 16 blocks times the volume (at least 16). */
    void sound(Location location, Sound sound, float volume, float pitch) {
        if (location == null || sound == null) {
            return;
        }
        byte[] packet = PlayPackets.namedSoundEffect(SoundNames.of(sound), location.getX(), location.getY(),
                location.getZ(), volume, pitch).frame();
        toPlayersNear(location, volume > 1 ? 16 * volume : 16, packet);
    }

    private void toPlayersNear(Location at, double radius, byte[] packet) {
        double r2 = radius * radius;
        synchronized (lock) {
            for (OnlinePlayer p : players.inJoinOrder()) {
                double dx = p.x - at.getX();
                double dy = p.y - at.getY();
                double dz = p.z - at.getZ();
                if (dx * dx + dy * dy + dz * dz <= r2) {
                    p.connection().sendFrame(packet);
                }
            }
        }
    }
}
