package org.bukkit.inventory.meta;

import java.util.List;

import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/** A potion's custom effects, beyond those its damage value gives it. */
public interface PotionMeta extends ItemMeta {
    boolean hasCustomEffects();

    List<PotionEffect> getCustomEffects();

    /** Adds the effect; with overwrite, one of its type is replaced. True when the meta changed. */
    boolean addCustomEffect(PotionEffect effect, boolean overwrite);

    boolean removeCustomEffect(PotionEffectType type);

    boolean hasCustomEffect(PotionEffectType type);

    /** Moves the effect of the type to the first place; false when there is none of it. */
    boolean setMainEffect(PotionEffectType type);

    boolean clearCustomEffects();

    PotionMeta clone();
}
