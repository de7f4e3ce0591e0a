package org.bukkit.entity;

import java.util.Collection;

import org.bukkit.Location;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/** An entity that lives: eyes, air and damage. */
public interface LivingEntity extends Entity, Damageable {
    double getEyeHeight();

    double getEyeHeight(boolean ignoreSneaking);

    Location getEyeLocation();

    int getRemainingAir();

    void setRemainingAir(int ticks);

    int getMaximumAir();

    void setMaximumAir(int ticks);

    int getMaximumNoDamageTicks();

    void setMaximumNoDamageTicks(int ticks);

    double getLastDamage();

    void setLastDamage(double damage);

    int getNoDamageTicks();

    void setNoDamageTicks(int ticks);

    Player getKiller();

    boolean getRemoveWhenFarAway();

    void setRemoveWhenFarAway(boolean remove);

    boolean getCanPickupItems();

    void setCanPickupItems(boolean pickup);

    void setCustomName(String name);

    String getCustomName();

    void setCustomNameVisible(boolean flag);

    boolean isCustomNameVisible();

    boolean isLeashed();

    // --- status effects ---

    /** Gives the effect unless one of its kind is already on; false when it was not given. */
    boolean addPotionEffect(PotionEffect effect);

    /** Gives the effect; with force it replaces one of its kind already on. */
    boolean addPotionEffect(PotionEffect effect, boolean force);

    /** Gives each effect; false when any was not given. */
    boolean addPotionEffects(Collection<PotionEffect> effects);

    boolean hasPotionEffect(PotionEffectType type);

    void removePotionEffect(PotionEffectType type);

    /** The effects on now, each with the ticks it has left. */
    Collection<PotionEffect> getActivePotionEffects();
}
