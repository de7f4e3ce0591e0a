package net.cubeworks.world.game.event;

import java.util.List;

import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.entity.Sheep;
import org.bukkit.event.entity.CreatureSpawnEvent;
import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;
import org.bukkit.event.entity.EntityCombustEvent;
import org.bukkit.event.entity.EntityDamageByEntityEvent;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityDeathEvent;
import org.bukkit.event.entity.EntityShootBowEvent;
import org.bukkit.event.entity.EntityTargetEvent;
import org.bukkit.event.entity.EntityTargetEvent.TargetReason;
import org.bukkit.event.entity.ExplosionPrimeEvent;
import org.bukkit.event.entity.ProjectileHitEvent;
import org.bukkit.event.entity.SheepRegrowWoolEvent;
import org.bukkit.event.player.PlayerShearEntityEvent;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The events of animals, monsters and thrown things: spawning with its reason, targets, damage by
 * an entity, death with the drops, explosions with the blocks they take, shooting, hits, shearing.
 * Each answers what the game does next; a cancelled event is answered so the game does nothing,
 * and an event nobody listens to is not made.
 */
public final class MobEvents {
    private MobEvents() {
    }

    /** Whether no listener hears events of the list: the event is then neither made nor sent. */
    private static boolean nobody(org.bukkit.event.HandlerList handlers) {
        return handlers.getRegisteredListeners().length == 0;
    }

    /** Whether the creature may come into the world for this reason. */
    public static boolean spawn(GameHost host, LivingEntity creature, SpawnReason reason) {
        if (nobody(CreatureSpawnEvent.getHandlerList())) {
            return true;
        }
        CreatureSpawnEvent event = new CreatureSpawnEvent(creature, reason);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The target the creature takes (or null when it lets go), as plugins leave it; the same target when cancelled. */
    public static Entity target(GameHost host, Entity creature, Entity current, Entity target, TargetReason reason) {
        if (nobody(EntityTargetEvent.getHandlerList())) {
            return target;
        }
        EntityTargetEvent event = new EntityTargetEvent(creature, target, reason);
        host.callEvent(event);
        return event.isCancelled() ? current : event.getTarget();
    }

    /** The damage of an entity's hit on another after the damage event: negative when a plugin cancelled it. */
    public static double damageByEntity(GameHost host, Entity damager, Entity target, DamageCause cause, double amount) {
        if (EntityDamageEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        EntityDamageByEntityEvent event = new EntityDamageByEntityEvent(damager, target, cause, amount);
        host.callEvent(event);
        if (target instanceof LivingEntity) {
            ((LivingEntity) target).setLastDamageCause(event);
        }
        return event.isCancelled() ? -1 : Math.max(0, event.getDamage());
    }

    /** Damage without an entity behind it (fire, falling, drowning): negative when cancelled. */
    public static double damage(GameHost host, Entity target, DamageCause cause, double amount) {
        if (EntityDamageEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return amount;
        }
        EntityDamageEvent event = new EntityDamageEvent(target, cause, amount);
        host.callEvent(event);
        return event.isCancelled() ? -1 : Math.max(0, event.getDamage());
    }

    /** The death of a creature: the drops as plugins leave them (the list is changed in place), and the experience. */
    public static int death(GameHost host, LivingEntity dead, List<ItemStack> drops, int experience) {
        if (nobody(EntityDeathEvent.getHandlerList())) {
            return experience;
        }
        EntityDeathEvent event = new EntityDeathEvent(dead, drops, experience);
        host.callEvent(event);
        return event.getDroppedExp();
    }

    /** The power of an explosion about to go off (a creeper's), or negative when cancelled. */
    public static float prime(GameHost host, Entity source, float power) {
        if (nobody(ExplosionPrimeEvent.getHandlerList())) {
            return power;
        }
        ExplosionPrimeEvent event = new ExplosionPrimeEvent(source, power, false);
        host.callEvent(event);
        return event.isCancelled() ? -1f : event.getRadius();
    }

    /** Whether the shot goes off; the bow is the one shot with, force 0 to 1. */
    public static boolean shootBow(GameHost host, LivingEntity shooter, ItemStack bow, Projectile arrow, float force) {
        if (nobody(EntityShootBowEvent.getHandlerList())) {
            return true;
        }
        EntityShootBowEvent event = new EntityShootBowEvent(shooter, bow, arrow, force);
        host.callEvent(event);
        return !event.isCancelled();
    }

    public static void projectileHit(GameHost host, Projectile projectile) {
        if (nobody(ProjectileHitEvent.getHandlerList())) {
            return;
        }
        host.callEvent(new ProjectileHitEvent(projectile));
    }

    /** The seconds an entity burns for, or 0 when a plugin puts the fire out. */
    public static int combust(GameHost host, Entity e, int seconds) {
        if (nobody(EntityCombustEvent.getHandlerList())) {
            return seconds;
        }
        EntityCombustEvent event = new EntityCombustEvent(e, seconds);
        host.callEvent(event);
        return event.isCancelled() ? 0 : event.getDuration();
    }

    public static boolean shear(GameHost host, Player p, Sheep sheep) {
        if (nobody(PlayerShearEntityEvent.getHandlerList())) {
            return true;
        }
        PlayerShearEntityEvent event = new PlayerShearEntityEvent(p, sheep);
        host.callEvent(event);
        return !event.isCancelled();
    }

    public static boolean regrowWool(GameHost host, Sheep sheep) {
        if (nobody(SheepRegrowWoolEvent.getHandlerList())) {
            return true;
        }
        SheepRegrowWoolEvent event = new SheepRegrowWoolEvent(sheep);
        host.callEvent(event);
        return !event.isCancelled();
    }
}
