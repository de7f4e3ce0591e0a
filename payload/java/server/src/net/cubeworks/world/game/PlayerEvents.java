package net.cubeworks.world.game;

import java.util.ArrayList;

import org.bukkit.Location;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityCombustByBlockEvent;
import org.bukkit.event.entity.EntityCombustEvent;
import org.bukkit.event.entity.EntityDamageByEntityEvent;
import org.bukkit.event.entity.EntityRegainHealthEvent;
import org.bukkit.event.entity.EntityRegainHealthEvent.RegainReason;
import org.bukkit.event.entity.FoodLevelChangeEvent;
import org.bukkit.event.entity.PlayerDeathEvent;
import org.bukkit.event.player.PlayerItemConsumeEvent;
import org.bukkit.event.player.PlayerVelocityEvent;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.Vector;
import org.bukkit.event.player.PlayerKickEvent;
import org.bukkit.event.player.PlayerRespawnEvent;

/** The plugins' say in kicks, respawns, deaths, hits, knock backs, regaining health and the damage the world does. */
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

    /** The damage of one player's hit on another, after the damage event: 0 when a plugin cancelled it. */
    static float hitDamage(Game game, OnlinePlayer attacker, OnlinePlayer target, float amount) {
        if (EntityDamageEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        // the event by entity is delivered through the list of the damage event it extends
        EntityDamageByEntityEvent event = new EntityDamageByEntityEvent(attacker, target, DamageCause.ENTITY_ATTACK,
                (double) amount);
        game.host().callEvent(event);
        return event.isCancelled() ? 0f : (float) Math.max(0, event.getDamage());
    }

    /** The velocity a player is about to be given, after the velocity event: null when a plugin cancelled it. */
    static double[] velocity(Game game, OnlinePlayer p, double vx, double vy, double vz) {
        if (PlayerVelocityEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new double[] {vx, vy, vz};
        }
        PlayerVelocityEvent event = new PlayerVelocityEvent(p, new Vector(vx, vy, vz));
        game.host().callEvent(event);
        Vector v = event.getVelocity();
        if (event.isCancelled() || v == null) {
            return null;
        }
        return new double[] {v.getX(), v.getY(), v.getZ()};
    }

    /**
     * A player has died: the death message everyone is sent after the death event (none when a
     * plugin set it to null or empty). Nothing drops in this world (there are no items on the
     * ground, and the player keeps his inventory), and players have no experience, so the
     * event's drops are empty and its experience 0; what a plugin puts in them is not dropped.
     */
    static String death(Game game, OnlinePlayer p, String message) {
        if (PlayerDeathEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return message;
        }
        PlayerDeathEvent event = new PlayerDeathEvent(p, new ArrayList<ItemStack>(), 0, message);
        game.host().callEvent(event);
        return event.getDeathMessage();
    }

    /** Health a player is about to regain, after the regain event: 0 when a plugin cancelled it. */
    static float regain(Game game, OnlinePlayer p, float amount, RegainReason reason) {
        if (EntityRegainHealthEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        EntityRegainHealthEvent event = new EntityRegainHealthEvent(p, (double) amount, reason);
        game.host().callEvent(event);
        return event.isCancelled() ? 0f : (float) Math.max(0, event.getAmount());
    }

    /** The food level a player is about to have, after the food event: -1 when a plugin cancelled the change. */
    static int foodLevel(Game game, OnlinePlayer p, int level) {
        if (level == p.food || FoodLevelChangeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return level;
        }
        FoodLevelChangeEvent event = new FoodLevelChangeEvent(p, level);
        game.host().callEvent(event);
        return event.isCancelled() ? -1 : event.getFoodLevel();
    }

    /** What a player eats, after the consume event: null when a plugin cancelled it. */
    static ItemStack consume(Game game, OnlinePlayer p, ItemStack item) {
        if (PlayerItemConsumeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return item;
        }
        PlayerItemConsumeEvent event = new PlayerItemConsumeEvent(p, item);
        game.host().callEvent(event);
        return event.isCancelled() ? null : event.getItem();
    }

    /**
     * The seconds a player catches fire for from the block, after the combust event: 0 when a
     * plugin cancelled it. Asked only while he is not burning longer already.
     */
    static int combust(Game game, OnlinePlayer p, int x, int y, int z, int seconds) {
        if (p.fireTicks >= seconds * 20 || EntityCombustEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return seconds;
        }
        // delivered through the list of the combust event it extends
        EntityCombustByBlockEvent event = new EntityCombustByBlockEvent(game.world().api().getBlockAt(x, y, z), p, seconds);
        game.host().callEvent(event);
        return event.isCancelled() ? 0 : Math.max(0, event.getDuration());
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
