package net.cubeworks.world.game;

import org.bukkit.Location;
import org.bukkit.event.player.PlayerMoveEvent;
import org.bukkit.event.player.PlayerTeleportEvent;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;

import net.cubeworks.world.level.ColumnKey;

/**
 * The plugins' say in where players go: the move event for what a client sends, the teleport
 * event for moves the server makes. A cancelled move puts the mover back where it was (its
 * viewers saw nothing of it yet); a changed destination moves it there instead.
 */
final class MoveEvents {
    private MoveEvents() {
    }

    /**
     * Where the player stands before a movement packet is applied (x, y, z, yaw, pitch); null
     * when no plugin listens to moves, so a server without such plugins pays nothing.
     */
    static double[] before(OnlinePlayer p) {
        if (PlayerMoveEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return null;
        }
        return new double[] {p.x, p.y, p.z, p.yaw, p.pitch};
    }

    /**
     * After a movement packet was accepted: the move event, when anybody listens and the player
     * moved or turned. False when the player was put back or moved elsewhere.
     */
    static boolean moved(GameWorld world, OnlinePlayer p, double[] from) {
        if (from == null) {
            return true;
        }
        if (from[0] == p.x && from[1] == p.y && from[2] == p.z && (float) from[3] == p.yaw && (float) from[4] == p.pitch) {
            return true;
        }
        ApiWorld api = world.api();
        Location fromLoc = new Location(api, from[0], from[1], from[2], (float) from[3], (float) from[4]);
        Location toLoc = new Location(api, p.x, p.y, p.z, p.yaw, p.pitch);
        PlayerMoveEvent event = new PlayerMoveEvent(p, fromLoc, toLoc.clone());
        world.game().host().callEvent(event);
        if (!p.isOnline()) {
            return false; // a handler kicked the player
        }
        if (event.isCancelled()) {
            put(world, p, fromLoc);
            return false;
        }
        Location to = event.getTo();
        if (to != null && !to.equals(toLoc)) {
            put(world, p, to);
            return false;
        }
        return true;
    }

    /** Teleports the player, on the game thread, unless the teleport event is cancelled. */
    static boolean teleport(Game game, OnlinePlayer p, Location to, TeleportCause cause) {
        if (p.dead || !p.isOnline()) {
            return false;
        }
        GameWorld world = game.world();
        Location from = new Location(world.api(), p.x, p.y, p.z, p.yaw, p.pitch);
        PlayerTeleportEvent event = new PlayerTeleportEvent(p, from, to.clone(), cause);
        game.host().callEvent(event);
        if (event.isCancelled() || event.getTo() == null || !p.isOnline()) {
            return false;
        }
        return put(world, p, event.getTo());
    }

    /** Sets the player's position and tells its client; the viewers follow in the next tick. */
    static boolean put(GameWorld world, OnlinePlayer p, Location to) {
        if (!Movement.validPosition(to.getX(), to.getY(), to.getZ())) {
            return false;
        }
        int oldCx = ColumnKey.chunk(p.x);
        int oldCz = ColumnKey.chunk(p.z);
        p.x = to.getX();
        p.y = to.getY();
        p.z = to.getZ();
        p.yaw = to.getYaw();
        p.pitch = to.getPitch();
        p.floatingMoves = 0;
        if (ColumnKey.chunk(p.x) != oldCx || ColumnKey.chunk(p.z) != oldCz) {
            world.stream(p);
        }
        world.movement().teleportBack(p);
        return true;
    }
}
