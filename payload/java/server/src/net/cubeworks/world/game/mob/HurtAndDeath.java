package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.Location;
import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.MobPackets;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A mob's hurt and death: the damage events, the game's half second of resistance after a hit (a
 * further hit in it only does what it does beyond the last), the hurt flash and knock-back, the
 * player who gets the kill (one who hit it within the last five seconds), and death: it falls
 * over, the death event gets its drops and experience, the drops fall, and a second later the
 * body is gone and its experience falls as orbs. Also its greatest health, which plugins set.
 */
final class HurtAndDeath {
    /** Ticks after a hit in which a further hit only does what it does beyond the last. */
    static final int RESISTANT_TICKS = 10;
    /** Ticks a dead mob lies before it is gone. */
    static final int DEATH_TICKS = 20;
    /** Knock-back of a hit, in blocks a tick. */
    static final double KNOCK_BACK = 0.4;
    /** Ticks a player's hit makes him the killer of a death that follows. */
    private static final int KILLER_TICKS = 100;

    private final Mob mob;
    private int deathTicks;
    private long lastHurtTick = -1000;
    float lastHurtDamage;
    Player killer;
    private long killerUntil;
    double maxHealth;
    int maximumNoDamageTicks = 20;

    HurtAndDeath(Mob mob) {
        this.mob = mob;
        this.maxHealth = mob.kind.maxHealth;
    }

    /**
     * A hit of the amount, by the entity (a player, a mob, an arrow's shooter) or by the world
     * (source null): the damage event, then the resistance, the hurt flash and knock-back. True
     * when it hurt.
     */
    boolean hurt(float amount, Entity source, DamageCause cause) {
        Mob m = mob;
        if (m.dead || m.isRemoved() || amount <= 0) {
            return false;
        }
        long now = m.mobs.tick;
        float dealt = amount;
        if (now - lastHurtTick < RESISTANT_TICKS) {
            if (amount <= lastHurtDamage) {
                return false;
            }
            dealt = amount - lastHurtDamage;
        }
        double event = source != null ? MobEvents.damageByEntity(m.mobs.world.host(), source, m, cause, dealt)
                : MobEvents.damage(m.mobs.world.host(), m, cause, dealt);
        if (event < 0) {
            return false;
        }
        if (now - lastHurtTick >= RESISTANT_TICKS) {
            lastHurtTick = now;
            lastHurtDamage = amount;
            m.mobs.world.toViewers(m, PlayPackets.entityStatus(m.getEntityId(), PlayPackets.STATUS_HURT));
        } else {
            lastHurtDamage = amount;
        }
        Entity by = source instanceof Projectile && ((Projectile) source).getShooter() instanceof Entity
                ? (Entity) ((Projectile) source).getShooter() : source;
        if (by instanceof Player) {
            killer = (Player) by;
            killerUntil = now + KILLER_TICKS;
        }
        if (source != null) {
            Location l = source.getLocation();
            knockBack(l.getX(), l.getZ());
        }
        m.health -= (float) event;
        if (by instanceof LivingEntity && by != m) {
            m.hurtBy((LivingEntity) by);
        }
        if (m.health <= 0) {
            die(cause);
        }
        return true;
    }

    /**
     * A thrown thing's hit of no damage: unless it is within its half second of resistance, the
     * damage event (a plugin may give it damage), the flash, the push away from where the thing
     * came from, the thrower as its attacker. True when it took the hit.
     */
    boolean glance(Entity thing, Object thrower, double fromX, double fromZ) {
        Mob m = mob;
        long now = m.mobs.tick;
        if (m.dead || m.isRemoved() || now - lastHurtTick < RESISTANT_TICKS) {
            return false;
        }
        double dealt = MobEvents.damageByEntity(m.mobs.world.host(), thing, m, DamageCause.PROJECTILE, 0);
        if (dealt < 0) {
            return false;
        }
        lastHurtTick = now;
        lastHurtDamage = (float) dealt;
        m.mobs.world.toViewers(m, PlayPackets.entityStatus(m.getEntityId(), PlayPackets.STATUS_HURT));
        if (thrower instanceof Player) {
            killer = (Player) thrower;
            killerUntil = now + KILLER_TICKS;
        }
        knockBack(fromX, fromZ);
        if (thrower instanceof LivingEntity && thrower != m) {
            m.hurtBy((LivingEntity) thrower);
        }
        if (dealt > 0) {
            m.health -= (float) dealt;
            if (m.health <= 0) {
                die(DamageCause.PROJECTILE);
            }
        }
        return true;
    }

    /** Pushed away from the place, as a hit does. */
    private void knockBack(double fromX, double fromZ) {
        Mob m = mob;
        double dx = m.x - fromX;
        double dz = m.z - fromZ;
        double len = Math.sqrt(dx * dx + dz * dz);
        if (len < 1.0E-4) {
            dx = m.mobs.random.nextDouble() - 0.5;
            dz = m.mobs.random.nextDouble() - 0.5;
            len = Math.sqrt(dx * dx + dz * dz);
        }
        m.motionX = m.motionX / 2 + dx / len * KNOCK_BACK;
        m.motionY = Math.min(KNOCK_BACK, m.motionY / 2 + KNOCK_BACK);
        m.motionZ = m.motionZ / 2 + dz / len * KNOCK_BACK;
        m.onGround = false;
        m.mobs.world.toViewers(m, PlayPackets.entityVelocity(m.getEntityId(), m.motionX, m.motionY, m.motionZ));
    }

    /** Death: the fall-over status, the death event with its drops and experience, the drops in the world. */
    void die(DamageCause cause) {
        Mob m = mob;
        if (m.dead) {
            return;
        }
        m.dead = true;
        m.health = 0;
        m.walking.stop();
        m.mobs.world.toViewers(m, PlayPackets.entityStatus(m.getEntityId(), MobPackets.STATUS_DEATH));
        boolean byPlayer = killer != null && m.mobs.tick <= killerUntil;
        List<ItemStack> drops = new ArrayList<ItemStack>();
        for (int[] d : m.mobs.world.mobLoot() ? m.drops(byPlayer, m.fireTicks > 0) : new ArrayList<int[]>()) {
            if (d[1] > 0) {
                drops.add(new ItemStack(d[0], d[1], (short) d[2]));
            }
        }
        int exp = MobEvents.death(m.mobs.world.host(), m, drops,
                byPlayer && m.mobs.world.mobLoot() ? MobExperience.forKill(m) : 0);
        for (ItemStack s : drops) {
            if (s != null && s.getTypeId() != 0 && s.getAmount() > 0) {
                m.mobs.world.drop(m.x, m.y + 0.5, m.z, s.getTypeId(), s.getAmount(), s.getDurability());
            }
        }
        m.mobs.died(m, exp);
    }

    /** A tick of a dead mob lying: after a second it is gone and its experience falls. */
    void lie() {
        if (++deathTicks >= DEATH_TICKS) {
            mob.mobs.bodyGone(mob);
            mob.markRemoved();
        }
    }

    /** Its health for plugins: never below 0. */
    double health() {
        synchronized (mob.lock()) {
            return Math.max(0, mob.health);
        }
    }

    /** A plugin's hit, by the entity (an attack) or by nothing (a custom cause). */
    void damageByPlugin(double amount, Entity source) {
        synchronized (mob.lock()) {
            mob.hurt((float) amount, source, source == null ? DamageCause.CUSTOM : DamageCause.ENTITY_ATTACK);
        }
    }

    /** A plugin sets its health: 0 kills it, anything else is shown. */
    void setHealth(double h) {
        if (h < 0 || h > maxHealth) {
            throw new IllegalArgumentException("Health must be between 0 and " + maxHealth + ", but was " + h);
        }
        synchronized (mob.lock()) {
            mob.health = (float) h;
            if (h == 0) {
                die(DamageCause.CUSTOM);
            } else {
                mob.sendMetadata();
            }
        }
    }

    /** A plugin sets its greatest health; the health it has is cut down to it. */
    void setMaxHealth(double h) {
        if (h <= 0) {
            throw new IllegalArgumentException("Max health must be greater than 0");
        }
        synchronized (mob.lock()) {
            maxHealth = h;
            if (mob.health > h) {
                mob.health = (float) h;
            }
        }
    }

    /** The plugin API's no-damage ticks: twice the ticks its resistance still lasts. */
    int noDamageTicks() {
        long left = lastHurtTick + RESISTANT_TICKS - mob.mobs.tick;
        return left > 0 ? (int) left * 2 : 0;
    }

    void setNoDamageTicks(int ticks) {
        lastHurtTick = ticks <= 0 ? -1000 : mob.mobs.tick - RESISTANT_TICKS + ticks / 2;
    }
}
