package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collection;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/**
 * The status effects on one player, by effect number, each with the world tick it ends on.
 * Guarded by the world lock.
 */
public final class PlayerEffects {
    /** An effect on the player: what was given and the tick after which it is over. */
    public static final class Active {
        public final PotionEffect given;
        public final long endTick;

        Active(PotionEffect given, long endTick) {
            this.given = given;
            this.endTick = endTick;
        }

        public int ticksLeft(long now) {
            return (int) Math.max(0, Math.min(Integer.MAX_VALUE, endTick - now));
        }
    }

    private final Map<Integer, Active> byId = new LinkedHashMap<Integer, Active>();

    /** Puts the effect on from tick now; false when one of its kind is on and force is not set. */
    public boolean add(PotionEffect effect, boolean force, long now) {
        int id = effect.getType().getId();
        if (!force && byId.containsKey(id)) {
            return false;
        }
        byId.put(id, new Active(effect, now + Math.max(0, effect.getDuration())));
        return true;
    }

    public boolean has(PotionEffectType type) {
        return type != null && byId.containsKey(type.getId());
    }

    /** Takes the effect off; the one removed, or null when none of that kind was on. */
    public Active remove(PotionEffectType type) {
        return type == null ? null : byId.remove(type.getId());
    }

    Active get(PotionEffectType type) {
        return type == null ? null : byId.get(type.getId());
    }

    /** The amplifier of the effect of that kind, or -1 when none is on. */
    public int amplifier(PotionEffectType type) {
        Active a = get(type);
        return a == null ? -1 : a.given.getAmplifier();
    }

    /** The effects on at tick now, with the ticks each has left. */
    public Collection<PotionEffect> active(long now) {
        List<PotionEffect> out = new ArrayList<PotionEffect>();
        for (Active a : byId.values()) {
            PotionEffect g = a.given;
            out.add(new PotionEffect(g.getType(), a.ticksLeft(now), g.getAmplifier(), g.isAmbient()));
        }
        return out;
    }

    /** Takes off every effect that is over at tick now and returns their kinds' numbers. */
    public List<Integer> expire(long now) {
        List<Integer> ended = new ArrayList<Integer>();
        for (Map.Entry<Integer, Active> e : byId.entrySet()) {
            if (e.getValue().endTick <= now) {
                ended.add(e.getKey());
            }
        }
        for (Integer id : ended) {
            byId.remove(id);
        }
        return ended;
    }

    public boolean isEmpty() {
        return byId.isEmpty();
    }

    /** The effects on now, as given. */
    public List<Active> all() {
        return new ArrayList<Active>(byId.values());
    }
}
