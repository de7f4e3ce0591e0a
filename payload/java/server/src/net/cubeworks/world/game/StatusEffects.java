package net.cubeworks.world.game;

import java.util.List;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

import net.cubeworks.world.game.entity.PlayerEffects;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerEntity;

/**
 * Status effects on players: put on and taken off on the game thread, each told to the
 * player's client with Entity Effect and Remove Entity Effect, and taken off by the world's
 * tick when their ticks have run out. Regeneration, poison and wither change health as the
 * game times them, instant health and damage act at once; speed and jump boost widen what
 * movement accepts (the client applies them to its own movement).
 */
final class StatusEffects {
    private StatusEffects() {
    }

    /** Puts the effect on the player; false when one of its kind is on and force is not set. */
    static boolean add(Game game, OnlinePlayer p, PotionEffect effect, boolean force) {
        PotionEffectType type = effect.getType();
        if (type.isInstant()) {
            instant(game, p, type.getId(), effect.getAmplifier());
            return true; // an instant effect acts once and is not kept
        }
        if (!p.effects.add(effect, force, game.world().currentTick())) {
            return false;
        }
        if (p.isOnline()) {
            p.connection().send(net.cubeworks.world.protocol.PlayPackets.entityEffect(p.getEntityId(),
                    effect.getType().getId(), effect.getAmplifier(), effect.getDuration()));
        }
        return true;
    }

    static void remove(Game game, OnlinePlayer p, PotionEffectType type) {
        if (p.effects.remove(type) != null && p.isOnline()) {
            p.connection().send(net.cubeworks.world.protocol.PlayPackets.removeEntityEffect(p.getEntityId(), type.getId()));
        }
    }

    /** Takes off the effects that ran out by this tick, telling the client. Under the world lock. */
    static void tick(Game game, OnlinePlayer p, long tick) {
        if (p.effects.isEmpty()) {
            return;
        }
        if (p.dead) {
            p.effects.expire(Long.MAX_VALUE); // death takes every effect off; the respawned client starts clean
            return;
        }
        act(game, p, tick);
        if (p.dead) {
            return;
        }
        List<Integer> ended = p.effects.expire(tick);
        for (int id : ended) {
            p.connection().send(net.cubeworks.world.protocol.PlayPackets.removeEntityEffect(p.getEntityId(), id));
        }
    }

    /** How much farther than normal a move may go: 20 % a level of speed, as the game speeds a player up. */
    static double moveAllowance(OnlinePlayer p) {
        int speed = p.effects.amplifier(PotionEffectType.SPEED);
        return speed < 0 ? 1 : 1 + 0.2 * (speed + 1);
    }

    /** How many more moves in the air a jump boost allows: a higher jump stays up longer. */
    static int extraAirMoves(OnlinePlayer p) {
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
    static void act(Game game, OnlinePlayer p, long tick) {
        for (PlayerEffects.Active a : p.effects.all()) {
            int id = a.given.getType().getId();
            int amp = Math.max(0, Math.min(5, a.given.getAmplifier()));
            int left = a.ticksLeft(tick);
            if (id == REGENERATION && every(left, 50 >> amp)) {
                heal(game, p, 1f);
            } else if (id == POISON && every(left, 25 >> amp) && p.health > 1f) {
                hurt(game, p, Math.min(1f, p.health - 1f), DamageCause.POISON);
            } else if (id == WITHER && every(left, 40 >> amp)) {
                hurt(game, p, 1f, DamageCause.WITHER);
            }
        }
    }

    private static boolean every(int ticksLeft, int interval) {
        return interval <= 0 || ticksLeft % interval == 0;
    }

    /** Instant health heals 4 a level, instant damage hurts 6 a level; saturation feeds. */
    private static void instant(Game game, OnlinePlayer p, int id, int amplifier) {
        int level = Math.max(0, Math.min(30, amplifier));
        if (id == HEAL) {
            heal(game, p, 4 << Math.min(level, 10));
        } else if (id == HARM) {
            hurt(game, p, 6 << Math.min(level, 10), DamageCause.MAGIC);
        } else if (id == SATURATION) {
            p.food = Math.min(20, p.food + level + 1);
            p.saturation = Math.min(p.food, p.saturation + (level + 1) * 2f);
            p.connection().send(game.world().healthPacket(p));
        }
    }

    private static void heal(Game game, OnlinePlayer p, float amount) {
        if (p.dead || p.health >= PlayerEntity.MAX_HEALTH) {
            return;
        }
        p.health = (float) Math.min(PlayerEntity.MAX_HEALTH, p.health + amount);
        p.connection().send(game.world().healthPacket(p));
    }

    private static void hurt(Game game, OnlinePlayer p, float amount, DamageCause cause) {
        float dealt = PlayerEvents.worldDamage(game.host(), p, cause, amount);
        game.world().survival().damage(p, dealt, p.getName() + (cause == DamageCause.WITHER ? " withered away" : " died"));
    }
}
