package org.bukkit.entity;

import java.util.Collection;
import java.util.HashSet;
import java.util.List;

import org.bukkit.Location;
import org.bukkit.block.Block;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.projectiles.ProjectileSource;

/** An entity that lives: eyes, air and damage. */
public interface LivingEntity extends Entity, Damageable, ProjectileSource {
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

    // --- sight, projectiles, equipment, leash ---

    /**
     * The blocks along the line of sight from the eyes, nearest first, up to the first block that
     * is not of a transparent kind (null: air only) or maxDistance blocks (at most 120).
     */
    @Deprecated
    List<Block> getLineOfSight(HashSet<Byte> transparent, int maxDistance);

    /** The first block along the line of sight that is not transparent, or the last one looked through. */
    @Deprecated
    Block getTargetBlock(HashSet<Byte> transparent, int maxDistance);

    /** The last two blocks of the line of sight: the one before the target, and the target. */
    @Deprecated
    List<Block> getLastTwoTargetBlocks(HashSet<Byte> transparent, int maxDistance);

    @Deprecated
    Egg throwEgg();

    @Deprecated
    Snowball throwSnowball();

    @Deprecated
    Arrow shootArrow();

    @Deprecated
    int _INVALID_getLastDamage();

    @Deprecated
    void _INVALID_setLastDamage(int damage);

    /** Whether no solid block stands between this entity's eyes and the other's. */
    boolean hasLineOfSight(Entity other);

    EntityEquipment getEquipment();

    Entity getLeashHolder() throws IllegalStateException;

    boolean setLeashHolder(Entity holder);
}
