package net.cubeworks.world.game;

import net.cubeworks.world.game.player.OnlinePlayer;

/**
 * Moves a player at once to another place, as a command does: the client is told where it
 * is now and sent the land around it, its moves until it arrives are ignored, and the others
 * see it there with the next tick.
 */
public final class Teleport {
    private Teleport() {
    }

    /** The player's feet position and look: {x, y, z, yaw, pitch}. */
    public static double[] where(Game game, OnlinePlayer p) {
        synchronized (game.lock()) {
            return new double[] {p.x, p.y, p.z, p.yaw, p.pitch};
        }
    }

    /**
     * Puts the player at the feet position with the look; false, changing nothing, for a
     * player who is dead or gone, or a position no client could be at.
     */
    public static boolean to(Game game, OnlinePlayer p, double x, double y, double z, float yaw, float pitch) {
        synchronized (game.lock()) {
            if (!p.isOnline() || p.dead || !Movement.validPosition(x, y, z) || Float.isNaN(yaw)
                    || Float.isInfinite(yaw) || Float.isNaN(pitch) || Float.isInfinite(pitch)) {
                return false;
            }
            GameWorld world = game.world();
            world.interaction().stopDigging(p);
            p.x = x;
            p.y = y;
            p.z = z;
            p.yaw = yaw % 360f;
            p.pitch = Math.max(-90f, Math.min(90f, pitch));
            p.floatingMoves = 0;
            p.teleportPending = true;
            world.stream(p);
            p.connection().send(world.positionPacket(p));
            return true;
        }
    }
}
