package net.cubeworks.world.game.event;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.Location;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityCombustByBlockEvent;
import org.bukkit.event.entity.EntityCombustEvent;
import org.bukkit.event.entity.EntityDamageByEntityEvent;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityRegainHealthEvent;
import org.bukkit.event.entity.EntityRegainHealthEvent.RegainReason;
import org.bukkit.event.entity.FoodLevelChangeEvent;
import org.bukkit.event.entity.PlayerDeathEvent;
import org.bukkit.event.player.PlayerItemConsumeEvent;
import org.bukkit.event.player.PlayerKickEvent;
import org.bukkit.event.player.PlayerRespawnEvent;
import org.bukkit.event.player.PlayerVelocityEvent;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say in kicks, respawns, deaths, hits, knock backs, regaining health and the damage the world does. */
public final class PlayerEvents {
    private PlayerEvents() {
    }

    /** The reason the player is kicked with after the kick event, or null when a plugin cancelled the kick. */
    public static String kick(GameHost host, Player p, String reason, boolean stopping) {
        if (stopping || !p.isOnline()
                || PlayerKickEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return reason;
        }
        PlayerKickEvent event = new PlayerKickEvent(p, reason, "\u00a7e" + p.getName() + " left the game.");
        host.callEvent(event);
        if (event.isCancelled()) {
            return null;
        }
        return event.getReason() == null ? "" : event.getReason();
    }

    /**
     * After a respawning player is put at the spawn: where the plugins want it instead, or null
     * when it stays there.
     */
    public static Location respawn(GameHost host, Player p, boolean atBed) {
        if (PlayerRespawnEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return null;
        }
        Location at = p.getLocation();
        PlayerRespawnEvent event = new PlayerRespawnEvent(p, at.clone(), atBed);
        host.callEvent(event);
        Location to = event.getRespawnLocation();
        return to == null || to.equals(at) ? null : to;
    }

    /** The damage of one player's hit on another, after the damage event: 0 when a plugin cancelled it. */
    public static float hitDamage(GameHost host, Player attacker, Player target, float amount) {
        if (EntityDamageEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        // the event by entity is delivered through the list of the damage event it extends
        EntityDamageByEntityEvent event = new EntityDamageByEntityEvent(attacker, target, DamageCause.ENTITY_ATTACK,
                (double) amount);
        host.callEvent(event);
        return event.isCancelled() ? 0f : (float) Math.max(0, event.getDamage());
    }

    /** The velocity a player is about to be given, after the velocity event: null when a plugin cancelled it. */
    public static double[] velocity(GameHost host, Player p, double vx, double vy, double vz) {
        if (PlayerVelocityEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new double[] {vx, vy, vz};
        }
        PlayerVelocityEvent event = new PlayerVelocityEvent(p, new Vector(vx, vy, vz));
        host.callEvent(event);
        Vector v = event.getVelocity();
        if (event.isCancelled() || v == null) {
            return null;
        }
        return new double[] {v.getX(), v.getY(), v.getZ()};
    }

    /**
     * A player has died: the death message everyone is sent after the death event (none when a
     * plugin set it to null or empty). The drops are what falls where he died: the event's own
     * list, which a plugin may change (what it takes out does not fall, what it adds does); so
     * are the points of experience that fall (droppedExp, in and out).
     */
    public static String death(GameHost host, Player p, String message, List<ItemStack> drops, int[] droppedExp) {
        if (PlayerDeathEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return message;
        }
        PlayerDeathEvent event = new PlayerDeathEvent(p, drops, droppedExp[0], message);
        host.callEvent(event);
        droppedExp[0] = Math.max(0, event.getDroppedExp());
        return event.getDeathMessage();
    }

    /** Health a player is about to regain, after the regain event: 0 when a plugin cancelled it. */
    public static float regain(GameHost host, Player p, float amount, RegainReason reason) {
        if (EntityRegainHealthEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        EntityRegainHealthEvent event = new EntityRegainHealthEvent(p, (double) amount, reason);
        host.callEvent(event);
        return event.isCancelled() ? 0f : (float) Math.max(0, event.getAmount());
    }

    /** The food level a player is about to have, after the food event: -1 when a plugin cancelled the change. */
    public static int foodLevel(GameHost host, Player p, int level) {
        if (level == p.getFoodLevel() || FoodLevelChangeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return level;
        }
        FoodLevelChangeEvent event = new FoodLevelChangeEvent(p, level);
        host.callEvent(event);
        return event.isCancelled() ? -1 : event.getFoodLevel();
    }

    /** What a player eats, after the consume event: null when a plugin cancelled it. */
    public static ItemStack consume(GameHost host, Player p, ItemStack item) {
        if (PlayerItemConsumeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return item;
        }
        PlayerItemConsumeEvent event = new PlayerItemConsumeEvent(p, item);
        host.callEvent(event);
        return event.isCancelled() ? null : event.getItem();
    }

    /**
     * The seconds a player catches fire for from the block, after the combust event: 0 when a
     * plugin cancelled it. Asked only while he is not burning longer already.
     */
    public static int combust(GameHost host, Player p, int x, int y, int z, int seconds) {
        if (p.getFireTicks() >= seconds * 20 || EntityCombustEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return seconds;
        }
        // delivered through the list of the combust event it extends
        EntityCombustByBlockEvent event = new EntityCombustByBlockEvent(p.getWorld().getBlockAt(x, y, z), p, seconds);
        host.callEvent(event);
        return event.isCancelled() ? 0 : Math.max(0, event.getDuration());
    }

    /** The damage the world does, after the damage event: 0 when a plugin cancelled it. */
    public static float worldDamage(GameHost host, Player p, DamageCause cause, float amount) {
        if (EntityDamageEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        EntityDamageEvent event = new EntityDamageEvent(p, cause, amount);
        host.callEvent(event);
        return event.isCancelled() ? 0f : (float) Math.max(0, event.getDamage());
    }
}
