package org.bukkit.potion;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.configuration.serialization.SerializableAs;
import org.bukkit.entity.LivingEntity;

/** A status effect of one kind, lasting a number of ticks at an amplifier (0 is level I). */
@SerializableAs("PotionEffect")
public class PotionEffect implements ConfigurationSerializable {
    private static final String AMPLIFIER = "amplifier";
    private static final String DURATION = "duration";
    private static final String TYPE = "effect";
    private static final String AMBIENT = "ambient";

    private final int amplifier;
    private final int duration;
    private final PotionEffectType type;
    private final boolean ambient;

    /** An effect; ambient ones (from a beacon) show fainter particles. */
    public PotionEffect(PotionEffectType type, int duration, int amplifier, boolean ambient) {
        if (type == null) {
            throw new IllegalArgumentException("effect type");
        }
        this.type = type;
        this.duration = duration;
        this.amplifier = amplifier;
        this.ambient = ambient;
    }

    public PotionEffect(PotionEffectType type, int duration, int amplifier) {
        this(type, duration, amplifier, true);
    }

    /** An effect from a map {@link #serialize()} wrote. */
    public PotionEffect(Map<String, Object> map) {
        this(typeOf(map), number(map, DURATION), number(map, AMPLIFIER), ambientOf(map));
    }

    private static PotionEffectType typeOf(Map<String, Object> map) {
        PotionEffectType type = PotionEffectType.getById(number(map, TYPE));
        if (type == null) {
            throw new IllegalArgumentException("no effect type numbered " + map.get(TYPE));
        }
        return type;
    }

    private static int number(Map<String, Object> map, String key) {
        Object value = map.get(key);
        if (value instanceof Number) {
            return ((Number) value).intValue();
        }
        throw new IllegalArgumentException(key + " is missing or not a number: " + value);
    }

    private static boolean ambientOf(Map<String, Object> map) {
        Object value = map.get(AMBIENT);
        return value instanceof Boolean ? (Boolean) value : false;
    }

    public Map<String, Object> serialize() {
        Map<String, Object> map = new LinkedHashMap<String, Object>();
        map.put(TYPE, type.getId());
        map.put(DURATION, duration);
        map.put(AMPLIFIER, amplifier);
        map.put(AMBIENT, ambient);
        return map;
    }

    /** Gives the entity this effect; false when it refused it. */
    public boolean apply(LivingEntity entity) {
        return entity.addPotionEffect(this);
    }

    @Override
    public boolean equals(Object obj) {
        if (this == obj) {
            return true;
        }
        if (!(obj instanceof PotionEffect)) {
            return false;
        }
        PotionEffect o = (PotionEffect) obj;
        return type.equals(o.type) && ambient == o.ambient && amplifier == o.amplifier && duration == o.duration;
    }

    public int getAmplifier() {
        return amplifier;
    }

    /** The length in ticks. */
    public int getDuration() {
        return duration;
    }

    public PotionEffectType getType() {
        return type;
    }

    public boolean isAmbient() {
        return ambient;
    }

    @Override
    public int hashCode() {
        int h = 31 * type.hashCode() + amplifier;
        h = 31 * h + duration;
        return 31 * h + (ambient ? 1 : 0);
    }

    @Override
    public String toString() {
        return type.getId() + (ambient ? " (ambient)" : "") + ": " + duration + " ticks, amplifier " + amplifier;
    }
}
