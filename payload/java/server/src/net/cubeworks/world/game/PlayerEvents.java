package net.cubeworks.world.game;

import org.bukkit.Location;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.player.PlayerKickEvent;
import org.bukkit.event.player.PlayerRespawnEvent;

/** The plugins' say in kicks, respawns and the damage the world does to players. */
final class PlayerEvents {
    private PlayerEvents() {
    }

    /** The reason the player is kicked with after the kick event, or null when a plugin cancelled the kick. */
    static String kick(Game game, OnlinePlayer p, String reason) {
        if (game.isStopping() || !p.isOnline()
                || PlayerKickEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return reason;
        }
        PlayerKickEvent event = new PlayerKickEvent(p, reason, "\u00a7e" + p.getName() + " left the game.");
        game.host().callEvent(event);
        if (event.isCancelled()) {
            return null;
        }
        return event.getReason() == null ? "" : event.getReason();
    }

    /** After a respawning player is put at the spawn: where the plugins want it instead. */
    static void respawn(Game game, OnlinePlayer p) {
        if (PlayerRespawnEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return;
        }
        Location at = new Location(game.world().api(), p.x, p.y, p.z, p.yaw, p.pitch);
        PlayerRespawnEvent event = new PlayerRespawnEvent(p, at, false);
        game.host().callEvent(event);
        Location to = event.getRespawnLocation();
        if (to != null && Movement.validPosition(to.getX(), to.getY(), to.getZ())) {
            p.x = to.getX();
            p.y = to.getY();
            p.z = to.getZ();
            p.yaw = to.getYaw();
            p.pitch = to.getPitch();
        }
    }

    /** The damage the world does, after the damage event: 0 when a plugin cancelled it. */
    static float worldDamage(Game game, OnlinePlayer p, DamageCause cause, float amount) {
        if (EntityDamageEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        EntityDamageEvent event = new EntityDamageEvent(p, cause, amount);
        game.host().callEvent(event);
        return event.isCancelled() ? 0f : (float) Math.max(0, event.getDamage());
    }
}
