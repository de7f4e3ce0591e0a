package net.cubeworks.world.game.event;

import org.bukkit.Location;
import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerMoveEvent;
import org.bukkit.event.player.PlayerTeleportEvent;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in where players go: the move event for what a client sends, the teleport
 * event for moves the server makes. A cancelled move puts the mover back where it was (its
 * viewers saw nothing of it yet); a changed destination moves it there instead. The caller puts
 * the player where these answer.
 */
public final class MoveEvents {
    private MoveEvents() {
    }

    /**
     * Where the player stands before a movement packet is applied (x, y, z, yaw, pitch); null
     * when no plugin listens to moves, so a server without such plugins pays nothing.
     */
    public static double[] before(Player p) {
        if (PlayerMoveEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return null;
        }
        Location l = p.getLocation();
        return new double[] {l.getX(), l.getY(), l.getZ(), l.getYaw(), l.getPitch()};
    }

    /**
     * After a movement packet was accepted: the move event, when anybody listens and the player
     * moved or turned. Null when the move stands; else where the player must be put instead
     * (back where he was, or where a plugin sends him).
     */
    public static Location moved(GameHost host, Player p, double[] from) {
        if (from == null) {
            return null;
        }
        Location toLoc = p.getLocation();
        if (from[0] == toLoc.getX() && from[1] == toLoc.getY() && from[2] == toLoc.getZ()
                && (float) from[3] == toLoc.getYaw() && (float) from[4] == toLoc.getPitch()) {
            return null;
        }
        Location fromLoc = new Location(toLoc.getWorld(), from[0], from[1], from[2], (float) from[3], (float) from[4]);
        PlayerMoveEvent event = new PlayerMoveEvent(p, fromLoc, toLoc.clone());
        host.callEvent(event);
        if (event.isCancelled()) {
            return fromLoc;
        }
        Location to = event.getTo();
        return to != null && !to.equals(toLoc) ? to : null;
    }

    /** Where a teleport takes the player after the teleport event; null when it was cancelled. */
    public static Location teleport(GameHost host, Player p, Location to, TeleportCause cause) {
        PlayerTeleportEvent event = new PlayerTeleportEvent(p, p.getLocation(), to.clone(), cause);
        host.callEvent(event);
        if (event.isCancelled() || event.getTo() == null || !p.isOnline()) {
            return null;
        }
        return event.getTo();
    }
}
