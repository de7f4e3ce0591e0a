package org.bukkit.potion;

import java.util.Collection;

/** The server's rules for what brewed potions do. */
public interface PotionBrewer {
    /** An effect of that kind for a potion whose base duration is that many ticks. */
    PotionEffect createEffect(PotionEffectType potion, int duration, int amplifier);

    /** The effects a potion item with that damage value gives. */
    @Deprecated
    Collection<PotionEffect> getEffectsFromDamage(int damage);
}
