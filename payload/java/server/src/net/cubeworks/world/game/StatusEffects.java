package net.cubeworks.world.game;

import java.util.List;

import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/**
 * Status effects on players: put on and taken off on the game thread, each told to the
 * player's client with Entity Effect and Remove Entity Effect, and taken off by the world's
 * tick when their ticks have run out. Speed and jump boost widen what movement accepts.
 */
final class StatusEffects {
    private StatusEffects() {
    }

    /** Puts the effect on the player; false when one of its kind is on and force is not set. */
    static boolean add(Game game, OnlinePlayer p, PotionEffect effect, boolean force) {
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
    static void tick(OnlinePlayer p, long tick) {
        if (p.effects.isEmpty()) {
            return;
        }
        if (p.dead) {
            p.effects.expire(Long.MAX_VALUE); // death takes every effect off; the respawned client starts clean
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
}
