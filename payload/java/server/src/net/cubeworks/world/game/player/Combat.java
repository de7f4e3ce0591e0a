package net.cubeworks.world.game.player;

import java.util.Map;
import java.util.WeakHashMap;
import java.util.function.IntSupplier;
import java.util.function.LongSupplier;

import org.bukkit.GameMode;

import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.settings.ServerProperties;

/**
 * Hits of one player on another: the damage of the item in hand less what the target's armour
 * takes, the hurt flash, a knock back, and the game's ten ticks of resistance after a hit (a
 * harder hit within them does only the difference). The plugins have their say through the
 * damage and velocity events. Critical hits, enchantments and armour wear are not modelled.
 */
public final class Combat {
    /** Ticks after a hit in which a further hit only does what it does beyond the last. */
    static final int RESISTANT_TICKS = 10;
    /** Knock back of a hit, in blocks a tick, away from the attacker and up. */
    static final double KNOCK_BACK = 0.4;
    /** The armour slots of the inventory window: helmet, chestplate, leggings, boots. */
    private static final int FIRST_ARMOUR = 5;

    /** What the last hit on a player was, and when. */
    private static final class Hurt {
        long tick;
        float damage;
    }

    private final ServerProperties properties;
    private final IntSupplier difficulty;
    private final GameHost host;
    private final LongSupplier clock;
    private final Hunger hunger;
    private final Visibility visibility;
    private final Damage harm;
    private final Map<OnlinePlayer, Hurt> hurt = new WeakHashMap<OnlinePlayer, Hurt>();

    /**
     * Fights by the server's settings (pvp=) and the difficulty, timed by the world's tick (the
     * clock): a hit tires both, its flash goes to the target's viewers, and the damage does the rest.
     */
    public Combat(ServerProperties properties, IntSupplier difficulty, GameHost host, LongSupplier clock, Hunger hunger,
            Visibility visibility, Damage harm) {
        this.properties = properties;
        this.difficulty = difficulty;
        this.host = host;
        this.clock = clock;
        this.hunger = hunger;
        this.visibility = visibility;
        this.harm = harm;
    }

    /** The damage a hit with the item does, with the hand's one point: the game's weapon and tool values of 1.7. */
    public static float weaponDamage(int item) {
        switch (item) {
            case 268: case 283: return 5f; // wooden and golden swords
            case 272: return 6f;
            case 267: return 7f;
            case 276: return 8f;
            case 271: case 286: return 4f; // axes
            case 275: return 5f;
            case 258: return 6f;
            case 279: return 7f;
            case 270: case 285: return 3f; // pickaxes
            case 274: return 4f;
            case 257: return 5f;
            case 278: return 6f;
            case 269: case 284: return 2f; // shovels
            case 273: return 3f;
            case 256: return 4f;
            case 277: return 5f;
            default: return 1f;
        }
    }

    /** Armour points of a piece: leather, chain, iron, diamond and gold, helmet to boots. */
    static int armourPoints(int item) {
        if (item < 298 || item > 317) {
            return 0;
        }
        int[][] points = {{1, 3, 2, 1}, {2, 5, 4, 1}, {2, 6, 5, 2}, {3, 8, 6, 3}, {2, 5, 3, 1}};
        int i = item - 298;
        return points[i / 4][i % 4];
    }

    /** The damage left after the armour: each point takes 4 % of it. */
    static float afterArmour(float damage, int points) {
        return damage * (25 - Math.min(points, 25)) / 25f;
    }

    private int armourOf(OnlinePlayer p) {
        int points = 0;
        for (int slot = FIRST_ARMOUR; slot < FIRST_ARMOUR + 4; slot++) {
            points += armourPoints(p.inventory().item(slot));
        }
        return points;
    }

    /** A left click of the attacker on the target, both living and within reach. */
    public void hit(OnlinePlayer attacker, OnlinePlayer target) {
        if (!properties.pvp() || target.getGameMode() == GameMode.CREATIVE || attacker == target) {
            return; // no fights on this server, or a target that takes no damage
        }
        long now = clock.getAsLong();
        Hurt last = hurt.get(target);
        float damage = weaponDamage(attacker.inventory().item(attacker.handSlot()));
        float dealt = damage;
        if (last != null && now - last.tick < RESISTANT_TICKS) {
            if (damage <= last.damage) {
                return;
            }
            dealt = damage - last.damage;
        }
        float amount = PlayerEvents.hitDamage(host, attacker, target, dealt);
        if (amount <= 0) {
            return;
        }
        if (last == null || now - last.tick >= RESISTANT_TICKS) {
            last = new Hurt();
            last.tick = now;
            hurt.put(target, last);
        }
        last.damage = damage;
        hunger.exhaust(attacker, Hunger.HIT);
        hunger.exhaust(target, Hunger.HIT);
        visibility.toViewers(target, PlayPackets.entityStatus(target.getEntityId(), PlayPackets.STATUS_HURT));
        target.connection().send(PlayPackets.entityStatus(target.getEntityId(), PlayPackets.STATUS_HURT));
        knockBack(attacker, target);
        harm.damage(target, afterArmour(amount, armourOf(target)),
                target.getName() + " was slain by " + attacker.getName());
    }

    /**
     * A hit on a player by a mob or an arrow: a mob's (or its arrow's) damage is scaled by the
     * difficulty, the damage event has its say, the game's half second of resistance holds, and the
     * armour takes its share. False when it did nothing.
     */
    public boolean hitByEntity(OnlinePlayer target, org.bukkit.entity.Entity attacker, float damage, boolean projectile,
            String deathMessage) {
        if (target.dead || target.getGameMode() == GameMode.CREATIVE) {
            return false;
        }
        Object shooter = attacker instanceof org.bukkit.entity.Projectile
                ? ((org.bukkit.entity.Projectile) attacker).getShooter() : attacker;
        if (shooter instanceof OnlinePlayer) {
            if (!properties.pvp() || shooter == target) {
                return false;
            }
        } else {
            damage = net.cubeworks.world.game.mob.MobKind.scaledForDifficulty(damage, difficulty.getAsInt());
        }
        if (damage < 0 || damage == 0 && !projectile) {
            return false; // a snowball's or egg's hit of nothing still pushes and flashes
        }
        long now = clock.getAsLong();
        Hurt last = hurt.get(target);
        float dealt = damage;
        if (last != null && now - last.tick < RESISTANT_TICKS) {
            if (damage <= last.damage) {
                return false;
            }
            dealt = damage - last.damage;
        }
        double amount = net.cubeworks.world.game.event.MobEvents.damageByEntity(host, attacker, target,
                projectile ? org.bukkit.event.entity.EntityDamageEvent.DamageCause.PROJECTILE
                        : org.bukkit.event.entity.EntityDamageEvent.DamageCause.ENTITY_ATTACK, dealt);
        if (amount < 0) {
            return false;
        }
        if (last == null || now - last.tick >= RESISTANT_TICKS) {
            last = new Hurt();
            last.tick = now;
            hurt.put(target, last);
        }
        last.damage = damage;
        hunger.exhaust(target, Hunger.HIT);
        visibility.toViewers(target, PlayPackets.entityStatus(target.getEntityId(), PlayPackets.STATUS_HURT));
        target.connection().send(PlayPackets.entityStatus(target.getEntityId(), PlayPackets.STATUS_HURT));
        org.bukkit.Location from = attacker.getLocation();
        knockBack(from.getX(), from.getZ(), attacker.getLocation().getYaw(), target);
        harm.damage(target, afterArmour((float) amount, armourOf(target)), deathMessage);
        return true;
    }

    /** Pushes the target away from the attacker, as the plugins allow. */
    private void knockBack(OnlinePlayer attacker, OnlinePlayer target) {
        knockBack(attacker.x, attacker.z, attacker.yaw, target);
    }

    private void knockBack(double fromX, double fromZ, float fromYaw, OnlinePlayer target) {
        double dx = target.x - fromX;
        double dz = target.z - fromZ;
        double len = Math.sqrt(dx * dx + dz * dz);
        if (len < 1.0E-4) {
            dx = -Math.sin(Math.toRadians(fromYaw));
            dz = Math.cos(Math.toRadians(fromYaw));
            len = 1;
        }
        double[] v = PlayerEvents.velocity(host, target, dx / len * KNOCK_BACK, KNOCK_BACK, dz / len * KNOCK_BACK);
        if (v != null) {
            target.connection().send(PlayPackets.entityVelocity(target.getEntityId(), v[0], v[1], v[2]));
        }
    }
}
