package org.bukkit.potion;

import java.util.Collection;
import java.util.Collections;

import org.bukkit.Material;
import org.bukkit.entity.LivingEntity;
import org.bukkit.inventory.ItemStack;

/**
 * A potion item described by its parts: the kind, the level, splash and extended duration. They
 * map to the item's damage value: the kind in the low four bits, level II in bit 5, extended in
 * bit 6, splash in bit 14.
 */
public class Potion {
    private static final int TYPE_BITS = 0xF;
    private static final int NAME_BITS = 0x3F;
    private static final int TIER_BIT = 0x20;
    private static final int EXTENDED_BIT = 0x40;
    private static final int SPLASH_BIT = 0x4000;

    private static PotionBrewer brewer;

    /** Level I or level II. */
    public enum Tier {
        ONE(0), TWO(TIER_BIT);

        private final int damageBit;

        Tier(int damageBit) {
            this.damageBit = damageBit;
        }

        public int getDamageBit() {
            return damageBit;
        }

        /** The tier of that bit, or null. */
        public static Tier getByDamageBit(int damageBit) {
            for (Tier t : values()) {
                if (t.damageBit == damageBit) {
                    return t;
                }
            }
            return null;
        }
    }

    private PotionType type;
    private int level = 1;
    private boolean splash;
    private boolean extended;
    private int nameId = -1;

    public Potion(PotionType type) {
        this.type = type;
        if (type != null) {
            this.nameId = type.getDamageValue();
        }
    }

    @Deprecated
    public Potion(PotionType type, Tier tier) {
        this(type, tier == Tier.TWO ? 2 : 1);
    }

    @Deprecated
    public Potion(PotionType type, Tier tier, boolean splash) {
        this(type, tier == Tier.TWO ? 2 : 1, splash);
    }

    @Deprecated
    public Potion(PotionType type, Tier tier, boolean splash, boolean extended) {
        this(type, tier, splash);
        setHasExtendedDuration(extended);
    }

    /** A potion of that kind and level (1 up to the kind's highest). */
    public Potion(PotionType type, int level) {
        this(type);
        if (type == null) {
            throw new IllegalArgumentException("potion type");
        }
        setLevel(level);
    }

    @Deprecated
    public Potion(PotionType type, int level, boolean splash) {
        this(type, level);
        this.splash = splash;
    }

    @Deprecated
    public Potion(PotionType type, int level, boolean splash, boolean extended) {
        this(type, level, splash);
        setHasExtendedDuration(extended);
    }

    /** A potion of a raw name number (the low six bits of a damage value), as the game has unnamed ones. */
    @Deprecated
    public Potion(int name) {
        this(PotionType.getByDamageValue(name & TYPE_BITS));
        this.nameId = name & NAME_BITS;
    }

    /** Makes this a splash potion and returns it. */
    public Potion splash() {
        setSplash(true);
        return this;
    }

    /** Gives this potion its extended duration and returns it. */
    public Potion extend() {
        setHasExtendedDuration(true);
        return this;
    }

    /** Turns a potion item into this potion. */
    public void apply(ItemStack to) {
        if (to == null || to.getType() != Material.POTION) {
            throw new IllegalArgumentException("only a potion item can be made this potion");
        }
        to.setDurability(toDamageValue());
    }

    /** Gives the entity this potion's effects. */
    public void apply(LivingEntity to) {
        if (to == null) {
            throw new IllegalArgumentException("entity");
        }
        to.addPotionEffects(getEffects());
    }

    @Override
    public boolean equals(Object obj) {
        if (!(obj instanceof Potion)) {
            return false;
        }
        Potion o = (Potion) obj;
        return type == o.type && level == o.level && splash == o.splash && extended == o.extended;
    }

    /** The effects drinking (or splashing) this potion gives, by the server's brewing rules. */
    public Collection<PotionEffect> getEffects() {
        if (type == null || brewer == null) {
            return Collections.<PotionEffect>emptyList();
        }
        return brewer.getEffectsFromDamage(toDamageValue());
    }

    public int getLevel() {
        return level;
    }

    @Deprecated
    public Tier getTier() {
        return level == 2 ? Tier.TWO : Tier.ONE;
    }

    public PotionType getType() {
        return type;
    }

    public boolean hasExtendedDuration() {
        return extended;
    }

    @Override
    public int hashCode() {
        int h = type == null ? 0 : type.hashCode();
        h = 31 * h + level;
        return 4 * h + (splash ? 2 : 0) + (extended ? 1 : 0);
    }

    public boolean isSplash() {
        return splash;
    }

    /** Extended duration; instant potions have none to extend. */
    public void setHasExtendedDuration(boolean isExtended) {
        if (isExtended && type != null && type.isInstant()) {
            throw new IllegalArgumentException("an instant potion cannot be extended");
        }
        this.extended = isExtended;
    }

    public void setSplash(boolean isSplash) {
        this.splash = isSplash;
    }

    @Deprecated
    public void setTier(Tier tier) {
        if (tier == null) {
            throw new IllegalArgumentException("tier");
        }
        this.level = tier == Tier.TWO ? 2 : 1;
    }

    public void setType(PotionType type) {
        this.type = type;
    }

    /** The level, from 1 up to the kind's highest. */
    public void setLevel(int level) {
        if (type == null) {
            throw new IllegalArgumentException("a potion without a kind has no level");
        }
        int max = Math.max(1, type.getMaxLevel());
        if (level < 1 || level > max) {
            throw new IllegalArgumentException("level " + level + " is outside 1 to " + max + " for " + type);
        }
        this.level = level;
    }

    /** The damage value of a potion item of this potion. */
    @Deprecated
    public short toDamageValue() {
        int damage = type == null ? Math.max(nameId, 0) : nameId >= 0 ? nameId : type.getDamageValue();
        if (type != null) {
            damage = (damage & ~TYPE_BITS) | type.getDamageValue();
        }
        if (level == 2) {
            damage |= TIER_BIT;
        } else {
            damage &= ~TIER_BIT;
        }
        if (extended) {
            damage |= EXTENDED_BIT;
        }
        if (splash) {
            damage |= SPLASH_BIT;
        }
        return (short) damage;
    }

    /** A stack of potion items of this potion. */
    public ItemStack toItemStack(int amount) {
        return new ItemStack(Material.POTION, amount, toDamageValue());
    }

    /** The potion a potion item's damage value describes. */
    @Deprecated
    public static Potion fromDamage(int damage) {
        PotionType type = PotionType.getByDamageValue(damage & TYPE_BITS);
        Potion potion;
        if (type == null || type == PotionType.WATER) {
            potion = new Potion(damage & NAME_BITS);
        } else {
            potion = new Potion(type);
            potion.nameId = damage & NAME_BITS & ~TIER_BIT;
            if ((damage & TIER_BIT) != 0 && type.getMaxLevel() >= 2) {
                potion.level = 2;
            }
            if ((damage & EXTENDED_BIT) != 0 && !type.isInstant()) {
                potion.extended = true;
            }
        }
        if ((damage & SPLASH_BIT) != 0) {
            potion.splash = true;
        }
        return potion;
    }

    /** The potion of a potion item. */
    public static Potion fromItemStack(ItemStack item) {
        if (item == null || item.getType() != Material.POTION) {
            throw new IllegalArgumentException("not a potion item: " + item);
        }
        return fromDamage(item.getDurability());
    }

    public static PotionBrewer getBrewer() {
        return brewer;
    }

    /** Sets the brewing rules; the server sets them once at start. */
    public static void setPotionBrewer(PotionBrewer other) {
        if (brewer != null) {
            throw new IllegalArgumentException("the potion brewer is already set");
        }
        brewer = other;
    }

    /** The raw name number (the low six bits of the damage value). */
    @Deprecated
    public int getNameId() {
        return nameId;
    }
}
