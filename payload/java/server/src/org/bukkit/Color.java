package org.bukkit;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.configuration.serialization.SerializableAs;

/**
 * An immutable colour of three 8-bit channels, as leather armour and firework stars carry it.
 * The setters return a new colour.
 */
@SerializableAs("Color")
public final class Color implements ConfigurationSerializable {
    private static final int CHANNEL_MAX = 0xFF;

    public static final Color WHITE = fromRGB(0xFFFFFF);
    public static final Color SILVER = fromRGB(0xC0C0C0);
    public static final Color GRAY = fromRGB(0x808080);
    public static final Color BLACK = fromRGB(0x000000);
    public static final Color RED = fromRGB(0xFF0000);
    public static final Color MAROON = fromRGB(0x800000);
    public static final Color YELLOW = fromRGB(0xFFFF00);
    public static final Color OLIVE = fromRGB(0x808000);
    public static final Color LIME = fromRGB(0x00FF00);
    public static final Color GREEN = fromRGB(0x008000);
    public static final Color AQUA = fromRGB(0x00FFFF);
    public static final Color TEAL = fromRGB(0x008080);
    public static final Color BLUE = fromRGB(0x0000FF);
    public static final Color NAVY = fromRGB(0x000080);
    public static final Color FUCHSIA = fromRGB(0xFF00FF);
    public static final Color PURPLE = fromRGB(0x800080);
    public static final Color ORANGE = fromRGB(0xFFA500);

    private final byte red;
    private final byte green;
    private final byte blue;

    private Color(int red, int green, int blue) {
        checkChannel("red", red);
        checkChannel("green", green);
        checkChannel("blue", blue);
        this.red = (byte) red;
        this.green = (byte) green;
        this.blue = (byte) blue;
    }

    private static void checkChannel(String name, int value) {
        if (value < 0 || value > CHANNEL_MAX) {
            throw new IllegalArgumentException(name + " is " + value + ", outside 0 to 255");
        }
    }

    public static Color fromRGB(int red, int green, int blue) throws IllegalArgumentException {
        return new Color(red, green, blue);
    }

    public static Color fromBGR(int blue, int green, int red) throws IllegalArgumentException {
        return new Color(red, green, blue);
    }

    /** The colour of a 24-bit 0xRRGGBB number; higher bits are refused. */
    public static Color fromRGB(int rgb) throws IllegalArgumentException {
        if ((rgb >> 24) != 0) {
            throw new IllegalArgumentException("0x" + Integer.toHexString(rgb) + " has more than 24 bits");
        }
        return new Color(rgb >> 16 & CHANNEL_MAX, rgb >> 8 & CHANNEL_MAX, rgb & CHANNEL_MAX);
    }

    /** The colour of a 24-bit 0xBBGGRR number; higher bits are refused. */
    public static Color fromBGR(int bgr) throws IllegalArgumentException {
        if ((bgr >> 24) != 0) {
            throw new IllegalArgumentException("0x" + Integer.toHexString(bgr) + " has more than 24 bits");
        }
        return new Color(bgr & CHANNEL_MAX, bgr >> 8 & CHANNEL_MAX, bgr >> 16 & CHANNEL_MAX);
    }

    public int getRed() {
        return red & CHANNEL_MAX;
    }

    public Color setRed(int red) {
        return fromRGB(red, getGreen(), getBlue());
    }

    public int getGreen() {
        return green & CHANNEL_MAX;
    }

    public Color setGreen(int green) {
        return fromRGB(getRed(), green, getBlue());
    }

    public int getBlue() {
        return blue & CHANNEL_MAX;
    }

    public Color setBlue(int blue) {
        return fromRGB(getRed(), getGreen(), blue);
    }

    public int asRGB() {
        return getRed() << 16 | getGreen() << 8 | getBlue();
    }

    public int asBGR() {
        return getBlue() << 16 | getGreen() << 8 | getRed();
    }

    /** This colour mixed with the dyes' colours, as the crafting grid dyes leather armour. */
    public Color mixDyes(DyeColor... colors) {
        if (colors == null) {
            throw new IllegalArgumentException("no dyes");
        }
        Color[] toMix = new Color[colors.length];
        for (int i = 0; i < colors.length; i++) {
            if (colors[i] == null) {
                throw new IllegalArgumentException("dye " + i + " is null");
            }
            toMix[i] = colors[i].getColor();
        }
        return mixColors(toMix);
    }

    /**
     * This colour mixed with others: the channels are averaged, then scaled so that the brightest
     * channel is the average of each colour's brightest channel.
     */
    public Color mixColors(Color... colors) {
        if (colors == null) {
            throw new IllegalArgumentException("no colours");
        }
        int sumRed = getRed();
        int sumGreen = getGreen();
        int sumBlue = getBlue();
        int sumMax = Math.max(sumRed, Math.max(sumGreen, sumBlue));
        for (int i = 0; i < colors.length; i++) {
            Color c = colors[i];
            if (c == null) {
                throw new IllegalArgumentException("colour " + i + " is null");
            }
            sumRed += c.getRed();
            sumGreen += c.getGreen();
            sumBlue += c.getBlue();
            sumMax += Math.max(c.getRed(), Math.max(c.getGreen(), c.getBlue()));
        }
        int count = colors.length + 1;
        float avgRed = sumRed / count;
        float avgGreen = sumGreen / count;
        float avgBlue = sumBlue / count;
        float avgMax = sumMax / count;
        float maxOfAvg = Math.max(avgRed, Math.max(avgGreen, avgBlue));
        if (maxOfAvg == 0) {
            return BLACK;
        }
        float gain = avgMax / maxOfAvg;
        return fromRGB((int) (avgRed * gain), (int) (avgGreen * gain), (int) (avgBlue * gain));
    }

    @Override
    public boolean equals(Object o) {
        return o instanceof Color && ((Color) o).asRGB() == asRGB();
    }

    @Override
    public int hashCode() {
        return asRGB() ^ Color.class.hashCode();
    }

    public Map<String, Object> serialize() {
        Map<String, Object> map = new LinkedHashMap<String, Object>();
        map.put("RED", getRed());
        map.put("BLUE", getBlue());
        map.put("GREEN", getGreen());
        return map;
    }

    public static Color deserialize(Map<String, Object> map) {
        return fromRGB(channel(map, "RED"), channel(map, "GREEN"), channel(map, "BLUE"));
    }

    private static int channel(Map<String, Object> map, String key) {
        Object value = map.get(key);
        if (value instanceof Number) {
            return ((Number) value).intValue();
        }
        throw new IllegalArgumentException(key + " is missing or not a number: " + value);
    }

    @Override
    public String toString() {
        return "Color:[rgb0x" + Integer.toHexString(asRGB()).toUpperCase(java.util.Locale.ROOT) + "]";
    }
}
