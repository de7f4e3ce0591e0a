package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.Collection;
import java.util.HashMap;
import java.util.Map;

import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/**
 * The potion effects plugins give a mob: kept, one of each type, and reported back; they do not
 * change the mob's state. Safe to use from any thread.
 */
final class KeptEffects {
    private final Map<PotionEffectType, PotionEffect> effects = new HashMap<PotionEffectType, PotionEffect>();

    /** Keeps the effect unless one of its type is kept already and force is false; true when kept. */
    boolean add(PotionEffect effect, boolean force) {
        if (effect == null) {
            return false;
        }
        synchronized (effects) {
            if (!force && effects.containsKey(effect.getType())) {
                return false;
            }
            effects.put(effect.getType(), effect);
        }
        return true;
    }

    boolean addAll(Collection<PotionEffect> all) {
        boolean ok = true;
        for (PotionEffect e : all) {
            ok &= add(e, false);
        }
        return ok;
    }

    boolean has(PotionEffectType type) {
        synchronized (effects) {
            return effects.containsKey(type);
        }
    }

    void remove(PotionEffectType type) {
        synchronized (effects) {
            effects.remove(type);
        }
    }

    Collection<PotionEffect> active() {
        synchronized (effects) {
            return new ArrayList<PotionEffect>(effects.values());
        }
    }
}
