package org.bukkit.potion;

import java.util.HashMap;
import java.util.Locale;
import java.util.Map;

/**
 * A kind of status effect, by the number the game sends it under. The constants are handles
 * that resolve through the registry, which the server fills once at start with the real kinds.
 */
public abstract class PotionEffectType {
    public static final PotionEffectType SPEED = new PotionEffectTypeWrapper(1);
    public static final PotionEffectType SLOW = new PotionEffectTypeWrapper(2);
    public static final PotionEffectType FAST_DIGGING = new PotionEffectTypeWrapper(3);
    public static final PotionEffectType SLOW_DIGGING = new PotionEffectTypeWrapper(4);
    public static final PotionEffectType INCREASE_DAMAGE = new PotionEffectTypeWrapper(5);
    public static final PotionEffectType HEAL = new PotionEffectTypeWrapper(6);
    public static final PotionEffectType HARM = new PotionEffectTypeWrapper(7);
    public static final PotionEffectType JUMP = new PotionEffectTypeWrapper(8);
    public static final PotionEffectType CONFUSION = new PotionEffectTypeWrapper(9);
    public static final PotionEffectType REGENERATION = new PotionEffectTypeWrapper(10);
    public static final PotionEffectType DAMAGE_RESISTANCE = new PotionEffectTypeWrapper(11);
    public static final PotionEffectType FIRE_RESISTANCE = new PotionEffectTypeWrapper(12);
    public static final PotionEffectType WATER_BREATHING = new PotionEffectTypeWrapper(13);
    public static final PotionEffectType INVISIBILITY = new PotionEffectTypeWrapper(14);
    public static final PotionEffectType BLINDNESS = new PotionEffectTypeWrapper(15);
    public static final PotionEffectType NIGHT_VISION = new PotionEffectTypeWrapper(16);
    public static final PotionEffectType HUNGER = new PotionEffectTypeWrapper(17);
    public static final PotionEffectType WEAKNESS = new PotionEffectTypeWrapper(18);
    public static final PotionEffectType POISON = new PotionEffectTypeWrapper(19);
    public static final PotionEffectType WITHER = new PotionEffectTypeWrapper(20);
    public static final PotionEffectType HEALTH_BOOST = new PotionEffectTypeWrapper(21);
    public static final PotionEffectType ABSORPTION = new PotionEffectTypeWrapper(22);
    public static final PotionEffectType SATURATION = new PotionEffectTypeWrapper(23);

    /** The highest effect number the game has. */
    private static final int MAX_ID = 23;
    private static final PotionEffectType[] BY_ID = new PotionEffectType[MAX_ID + 1];
    private static final Map<String, PotionEffectType> BY_NAME = new HashMap<String, PotionEffectType>();
    private static boolean acceptingNew = true;

    private final int id;

    protected PotionEffectType(int id) {
        this.id = id;
    }

    /** An effect of this kind lasting that many ticks at that amplifier (0 is level I). */
    public PotionEffect createEffect(int duration, int amplifier) {
        PotionBrewer brewer = Potion.getBrewer();
        if (brewer != null) {
            return brewer.createEffect(this, duration, amplifier);
        }
        return new PotionEffect(this, isInstant() ? 1 : (int) (duration * getDurationModifier()), amplifier);
    }

    /** How brewed potions of this kind scale their base duration. */
    public abstract double getDurationModifier();

    @Deprecated
    public int getId() {
        return id;
    }

    public abstract String getName();

    /** Whether the effect acts at once (healing, harming, saturation) rather than over time. */
    public abstract boolean isInstant();

    @Override
    public boolean equals(Object obj) {
        return obj instanceof PotionEffectType && ((PotionEffectType) obj).getId() == id;
    }

    @Override
    public int hashCode() {
        return id;
    }

    @Override
    public String toString() {
        return "PotionEffectType[" + id + ", " + getName() + "]";
    }

    /** The registered kind of that number, or null. */
    @Deprecated
    public static PotionEffectType getById(int id) {
        if (id < 0 || id >= BY_ID.length) {
            return null;
        }
        synchronized (BY_ID) {
            return BY_ID[id];
        }
    }

    /** The registered kind of that name, in any case, or null. */
    public static PotionEffectType getByName(String name) {
        if (name == null) {
            throw new IllegalArgumentException("name");
        }
        synchronized (BY_ID) {
            return BY_NAME.get(name.toLowerCase(Locale.ROOT));
        }
    }

    /**
     * Registers a kind under its number and name; the server does this at start. A number or name
     * already taken, or a registration after {@link #stopAcceptingRegistrations()}, is refused.
     */
    public static void registerPotionEffectType(PotionEffectType type) {
        synchronized (BY_ID) {
            if (!acceptingNew) {
                throw new IllegalStateException("no new effect types are accepted now");
            }
            int id = type.getId();
            if (id < 0 || id >= BY_ID.length) {
                throw new IllegalArgumentException("effect number " + id + " is outside 0 to " + MAX_ID);
            }
            String key = type.getName().toLowerCase(Locale.ROOT);
            if (BY_ID[id] != null || BY_NAME.containsKey(key)) {
                throw new IllegalArgumentException("effect " + id + " (" + type.getName() + ") is already registered");
            }
            BY_ID[id] = type;
            BY_NAME.put(key, type);
        }
    }

    public static void stopAcceptingRegistrations() {
        synchronized (BY_ID) {
            acceptingNew = false;
        }
    }

    /** Every registered kind, indexed by number (gaps are null). */
    public static PotionEffectType[] values() {
        synchronized (BY_ID) {
            return BY_ID.clone();
        }
    }
}
