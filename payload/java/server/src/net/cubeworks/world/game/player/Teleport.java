package net.cubeworks.world.game.player;

import java.util.function.Consumer;

import net.cubeworks.world.game.world.Streaming;
import net.cubeworks.world.level.ColumnKey;

/**
 * Moves a player at once to another place, as a command does: the client is told where it
 * is now and sent the land around it, its moves until it arrives are ignored, and the others
 * see it there with the next tick.
 */
public final class Teleport {
    private final Object lock;
    private final Streaming streaming;
    private final Consumer<OnlinePlayer> stopDigging;

    /** Teleports under the world lock; the land comes by the streaming; a dig under way is stopped first. */
    public Teleport(Object lock, Streaming streaming, Consumer<OnlinePlayer> stopDigging) {
        this.lock = lock;
        this.streaming = streaming;
        this.stopDigging = stopDigging;
    }

    /** Whether a client could be at the feet position: finite, and within the world's coordinates. */
    public static boolean validPosition(double x, double y, double z) {
        return !Double.isNaN(x) && !Double.isNaN(y) && !Double.isNaN(z) && !Double.isInfinite(y)
                && Math.abs(x) < ColumnKey.MAX_COORD && Math.abs(z) < ColumnKey.MAX_COORD
                && Math.abs(y) < ColumnKey.MAX_COORD;
    }

    /** The player's feet position and look: {x, y, z, yaw, pitch}. */
    public double[] where(OnlinePlayer p) {
        synchronized (lock) {
            return new double[] {p.x, p.y, p.z, p.yaw, p.pitch};
        }
    }

    /**
     * Puts the player at the feet position with the look; false, changing nothing, for a
     * player who is dead or gone, or a position no client could be at.
     */
    public boolean to(OnlinePlayer p, double x, double y, double z, float yaw, float pitch) {
        synchronized (lock) {
            if (!p.isOnline() || p.dead || !validPosition(x, y, z) || Float.isNaN(yaw)
                    || Float.isInfinite(yaw) || Float.isNaN(pitch) || Float.isInfinite(pitch)) {
                return false;
            }
            stopDigging.accept(p);
            p.x = x;
            p.y = y;
            p.z = z;
            p.yaw = yaw % 360f;
            p.pitch = Math.max(-90f, Math.min(90f, pitch));
            p.floatingMoves = 0;
            p.teleportPending = true;
            streaming.stream(p);
            p.connection().send(BodyPackets.position(p));
            return true;
        }
    }
}
