package org.bukkit.entity;

import org.bukkit.Location;

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
}
