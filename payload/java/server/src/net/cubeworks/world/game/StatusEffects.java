package net.cubeworks.world.game;

import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/** Putting status effects on players and taking them off, on the game thread. */
final class StatusEffects {
    private StatusEffects() {
    }

    /** Puts the effect on the player; false when one of its kind is on and force is not set. */
    static boolean add(Game game, OnlinePlayer p, PotionEffect effect, boolean force) {
        return p.effects.add(effect, force, game.world().currentTick());
    }

    static void remove(Game game, OnlinePlayer p, PotionEffectType type) {
        p.effects.remove(type);
    }
}
