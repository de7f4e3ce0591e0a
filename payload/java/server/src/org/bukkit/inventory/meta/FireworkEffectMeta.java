package org.bukkit.inventory.meta;

import org.bukkit.FireworkEffect;

/** A firework star: the one burst it gives a rocket. */
public interface FireworkEffectMeta extends ItemMeta {
    void setEffect(FireworkEffect effect);

    boolean hasEffect();

    FireworkEffect getEffect();

    FireworkEffectMeta clone();
}
