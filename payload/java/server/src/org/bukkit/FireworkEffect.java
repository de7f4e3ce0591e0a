package org.bukkit;

import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.configuration.serialization.SerializableAs;

/** One burst of a firework: its shape, its colours, the colours it fades to, flicker and trail. */
@SerializableAs("Firework")
public final class FireworkEffect implements ConfigurationSerializable {
    private static final String FLICKER = "flicker";
    private static final String TRAIL = "trail";
    private static final String COLORS = "colors";
    private static final String FADE_COLORS = "fade-colors";
    private static final String TYPE = "type";

    /** The shape of the burst. */
    public enum Type {
        BALL, BALL_LARGE, STAR, BURST, CREEPER
    }

    /** Collects an effect's parts; at least one colour is needed before {@link #build()}. */
    public static final class Builder {
        private boolean flicker;
        private boolean trail;
        private final List<Color> colors = new ArrayList<Color>();
        private final List<Color> fadeColors = new ArrayList<Color>();
        private Type type = Type.BALL;

        Builder() {
        }

        public Builder with(Type type) throws IllegalArgumentException {
            if (type == null) {
                throw new IllegalArgumentException("type");
            }
            this.type = type;
            return this;
        }

        public Builder withFlicker() {
            return flicker(true);
        }

        public Builder flicker(boolean flicker) {
            this.flicker = flicker;
            return this;
        }

        public Builder withTrail() {
            return trail(true);
        }

        public Builder trail(boolean trail) {
            this.trail = trail;
            return this;
        }

        public Builder withColor(Color color) throws IllegalArgumentException {
            colors.add(checked(color));
            return this;
        }

        public Builder withColor(Color... colors) throws IllegalArgumentException {
            addAll(this.colors, colors);
            return this;
        }

        public Builder withColor(Iterable<?> colors) throws IllegalArgumentException {
            addAll(this.colors, colors);
            return this;
        }

        public Builder withFade(Color color) throws IllegalArgumentException {
            fadeColors.add(checked(color));
            return this;
        }

        public Builder withFade(Color... colors) throws IllegalArgumentException {
            addAll(fadeColors, colors);
            return this;
        }

        public Builder withFade(Iterable<?> colors) throws IllegalArgumentException {
            addAll(fadeColors, colors);
            return this;
        }

        /** The effect; refused while no colour was given. */
        public FireworkEffect build() {
            if (colors.isEmpty()) {
                throw new IllegalStateException("a firework effect needs at least one colour");
            }
            return new FireworkEffect(flicker, trail, colors, fadeColors, type);
        }

        private static Color checked(Object color) {
            if (!(color instanceof Color)) {
                throw new IllegalArgumentException(color == null ? "null colour" : color + " is not a Color");
            }
            return (Color) color;
        }

        private static void addAll(List<Color> into, Color[] colors) {
            if (colors == null) {
                throw new IllegalArgumentException("colours");
            }
            List<Color> checked = new ArrayList<Color>();
            for (Color c : colors) {
                checked.add(checked(c));
            }
            into.addAll(checked);
        }

        private static void addAll(List<Color> into, Iterable<?> colors) {
            if (colors == null) {
                throw new IllegalArgumentException("colours");
            }
            List<Color> checked = new ArrayList<Color>();
            for (Object c : colors) {
                checked.add(checked(c));
            }
            into.addAll(checked);
        }
    }

    private final boolean flicker;
    private final boolean trail;
    private final List<Color> colors;
    private final List<Color> fadeColors;
    private final Type type;

    FireworkEffect(boolean flicker, boolean trail, List<Color> colors, List<Color> fadeColors, Type type) {
        this.flicker = flicker;
        this.trail = trail;
        this.colors = Collections.unmodifiableList(new ArrayList<Color>(colors));
        this.fadeColors = Collections.unmodifiableList(new ArrayList<Color>(fadeColors));
        this.type = type;
    }

    public static Builder builder() {
        return new Builder();
    }

    public boolean hasFlicker() {
        return flicker;
    }

    public boolean hasTrail() {
        return trail;
    }

    public List<Color> getColors() {
        return colors;
    }

    public List<Color> getFadeColors() {
        return fadeColors;
    }

    public Type getType() {
        return type;
    }

    /** An effect from a map {@link #serialize()} wrote; colours may be Color objects or their maps. */
    public static ConfigurationSerializable deserialize(Map<String, Object> map) {
        Object typeName = map.get(TYPE);
        Type type;
        try {
            type = Type.valueOf(String.valueOf(typeName));
        } catch (IllegalArgumentException e) {
            throw new IllegalArgumentException("unknown firework type " + typeName);
        }
        return builder()
                .flicker(Boolean.TRUE.equals(map.get(FLICKER)))
                .trail(Boolean.TRUE.equals(map.get(TRAIL)))
                .withColor(colorList(map.get(COLORS)))
                .withFade(colorList(map.get(FADE_COLORS)))
                .with(type)
                .build();
    }

    @SuppressWarnings("unchecked")
    private static List<Color> colorList(Object value) {
        List<Color> out = new ArrayList<Color>();
        if (value instanceof Iterable) {
            for (Object o : (Iterable<?>) value) {
                if (o instanceof Map) {
                    out.add(Color.deserialize((Map<String, Object>) o));
                } else if (o instanceof Color) {
                    out.add((Color) o);
                } else {
                    throw new IllegalArgumentException(o + " is not a colour");
                }
            }
        }
        return out;
    }

    public Map<String, Object> serialize() {
        Map<String, Object> map = new LinkedHashMap<String, Object>();
        map.put(FLICKER, flicker);
        map.put(TRAIL, trail);
        map.put(COLORS, new ArrayList<Color>(colors));
        map.put(FADE_COLORS, new ArrayList<Color>(fadeColors));
        map.put(TYPE, type.name());
        return map;
    }

    @Override
    public String toString() {
        return "FireworkEffect:" + serialize();
    }

    @Override
    public int hashCode() {
        int h = 31 * colors.hashCode() + fadeColors.hashCode();
        h = 31 * h + type.hashCode();
        return 4 * h + (flicker ? 2 : 0) + (trail ? 1 : 0);
    }

    @Override
    public boolean equals(Object obj) {
        if (!(obj instanceof FireworkEffect)) {
            return false;
        }
        FireworkEffect o = (FireworkEffect) obj;
        return flicker == o.flicker && trail == o.trail && type == o.type
                && colors.equals(o.colors) && fadeColors.equals(o.fadeColors);
    }
}
