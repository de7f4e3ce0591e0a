package net.cubeworks.world.game.player;

import java.util.List;
import java.util.function.LongSupplier;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

import net.cubeworks.world.game.entity.PlayerEffects;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;

/**
 * Status effects on players: put on and taken off on the game thread, each told to the
 * player's client with Entity Effect and Remove Entity Effect, and taken off by the world's
 * tick when their ticks have run out. Regeneration, poison and wither change health as the
 * game times them, instant health and damage act at once; speed and jump boost widen what
 * movement accepts (the client applies them to its own movement).
 */
public final class StatusEffects {
    private final GameHost host;
    private final LongSupplier clock;
    private final Damage damage;

    /** Effects timed by the world's tick (the clock), whose harm the plugins see through the host and the damage does. */
    public StatusEffects(GameHost host, LongSupplier clock, Damage damage) {
        this.host = host;
        this.clock = clock;
        this.damage = damage;
    }

    /** Puts the effect on the player; false when one of its kind is on and force is not set. */
    public boolean add(OnlinePlayer p, PotionEffect effect, boolean force) {
        PotionEffectType type = effect.getType();
        if (type.isInstant()) {
            instant(p, type.getId(), effect.getAmplifier());
            return true; // an instant effect acts once and is not kept
        }
        if (!p.effects.add(effect, force, clock.getAsLong())) {
            return false;
        }
        if (p.isOnline()) {
            p.connection().send(net.cubeworks.world.protocol.PlayPackets.entityEffect(p.getEntityId(),
                    effect.getType().getId(), effect.getAmplifier(), effect.getDuration()));
        }
        return true;
    }

    public void remove(OnlinePlayer p, PotionEffectType type) {
        if (p.effects.remove(type) != null && p.isOnline()) {
            p.connection().send(net.cubeworks.world.protocol.PlayPackets.removeEntityEffect(p.getEntityId(), type.getId()));
        }
    }

    /** Takes off the effects that ran out by this tick, telling the client. Under the world lock. */
    public void tick(OnlinePlayer p, long tick) {
        if (p.effects.isEmpty()) {
            return;
        }
        if (p.dead) {
            p.effects.expire(Long.MAX_VALUE); // death takes every effect off; the respawned client starts clean
            return;
        }
        act(p, tick);
        if (p.dead) {
            return;
        }
        List<Integer> ended = p.effects.expire(tick);
        for (int id : ended) {
            p.connection().send(net.cubeworks.world.protocol.PlayPackets.removeEntityEffect(p.getEntityId(), id));
        }
    }

    /** How much farther than normal a move may go: 20 % a level of speed, as the game speeds a player up. */
    public static double moveAllowance(OnlinePlayer p) {
        int speed = p.effects.amplifier(PotionEffectType.SPEED);
        return speed < 0 ? 1 : 1 + 0.2 * (speed + 1);
    }

    /** How many more moves in the air a jump boost allows: a higher jump stays up longer. */
    public static int extraAirMoves(OnlinePlayer p) {
        int jump = p.effects.amplifier(PotionEffectType.JUMP);
        return jump < 0 ? 0 : 10 * (jump + 1);
    }

    private static final int REGENERATION = 10;
    private static final int POISON = 19;
    private static final int WITHER = 20;
    private static final int HEAL = 6;
    private static final int HARM = 7;
    private static final int SATURATION = 23;

    /**
     * What the lasting effects do to health this tick, as the game times them by the ticks left:
     * regeneration heals 1 every 50 ticks, poison hurts 1 every 25 (never below 1 health), wither
     * hurts 1 every 40; each level halves the interval.
     */
    void act(OnlinePlayer p, long tick) {
        for (PlayerEffects.Active a : p.effects.all()) {
            int id = a.given.getType().getId();
            int amp = Math.max(0, Math.min(5, a.given.getAmplifier()));
            int left = a.ticksLeft(tick);
            if (id == REGENERATION && every(left, 50 >> amp)) {
                heal(p, 1f);
            } else if (id == POISON && every(left, 25 >> amp) && p.health > 1f) {
                hurt(p, Math.min(1f, p.health - 1f), DamageCause.POISON);
            } else if (id == WITHER && every(left, 40 >> amp)) {
                hurt(p, 1f, DamageCause.WITHER);
            }
        }
    }

    private static boolean every(int ticksLeft, int interval) {
        return interval <= 0 || ticksLeft % interval == 0;
    }

    /** Instant health heals 4 a level, instant damage hurts 6 a level; saturation feeds. */
    private void instant(OnlinePlayer p, int id, int amplifier) {
        int level = Math.max(0, Math.min(30, amplifier));
        if (id == HEAL) {
            heal(p, 4 << Math.min(level, 10));
        } else if (id == HARM) {
            hurt(p, 6 << Math.min(level, 10), DamageCause.MAGIC);
        } else if (id == SATURATION) {
            p.food = Math.min(20, p.food + level + 1);
            p.saturation = Math.min(p.food, p.saturation + (level + 1) * 2f);
            p.connection().send(BodyPackets.health(p));
        }
    }

    private void heal(OnlinePlayer p, float amount) {
        if (p.dead || p.health >= PlayerEntity.MAX_HEALTH) {
            return;
        }
        p.health = (float) Math.min(PlayerEntity.MAX_HEALTH, p.health + amount);
        p.connection().send(BodyPackets.health(p));
    }

    private void hurt(OnlinePlayer p, float amount, DamageCause cause) {
        float dealt = PlayerEvents.worldDamage(host, p, cause, amount);
        damage.damage(p, dealt, p.getName() + (cause == DamageCause.WITHER ? " withered away" : " died"));
    }
}
