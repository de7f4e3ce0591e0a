package org.bukkit.potion;

/** The brewable potions, by the low four bits of a potion item's damage value. */
public enum PotionType {
    WATER(0, null, 0),
    REGEN(1, PotionEffectType.REGENERATION, 2),
    SPEED(2, PotionEffectType.SPEED, 2),
    FIRE_RESISTANCE(3, PotionEffectType.FIRE_RESISTANCE, 1),
    POISON(4, PotionEffectType.POISON, 2),
    INSTANT_HEAL(5, PotionEffectType.HEAL, 2),
    NIGHT_VISION(6, PotionEffectType.NIGHT_VISION, 1),
    WEAKNESS(8, PotionEffectType.WEAKNESS, 1),
    STRENGTH(9, PotionEffectType.INCREASE_DAMAGE, 2),
    SLOWNESS(10, PotionEffectType.SLOW, 1),
    INSTANT_DAMAGE(12, PotionEffectType.HARM, 2),
    WATER_BREATHING(13, PotionEffectType.WATER_BREATHING, 1),
    INVISIBILITY(14, PotionEffectType.INVISIBILITY, 1);

    private final int damageValue;
    private final PotionEffectType effect;
    private final int maxLevel;

    PotionType(int damageValue, PotionEffectType effect, int maxLevel) {
        this.damageValue = damageValue;
        this.effect = effect;
        this.maxLevel = maxLevel;
    }

    /** The effect this potion gives; null for water. */
    public PotionEffectType getEffectType() {
        return effect;
    }

    @Deprecated
    public int getDamageValue() {
        return damageValue;
    }

    /** The highest level it brews to (water: 0). */
    public int getMaxLevel() {
        return maxLevel;
    }

    public boolean isInstant() {
        return effect != null && effect.isInstant();
    }

    /** The potion of those four damage bits, or null. */
    @Deprecated
    public static PotionType getByDamageValue(int damage) {
        for (PotionType t : values()) {
            if (t.damageValue == damage) {
                return t;
            }
        }
        return null;
    }

    /** The potion that gives that effect; water for null; null when no potion gives it. */
    public static PotionType getByEffect(PotionEffectType effectType) {
        if (effectType == null) {
            return WATER;
        }
        for (PotionType t : values()) {
            if (effectType.equals(t.effect)) {
                return t;
            }
        }
        return null;
    }
}
