package org.bukkit.map;

import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.Image;
import java.awt.image.BufferedImage;

/**
 * The colours a map pixel can have: the game's base map colours, each in four shades (the
 * number is base times four plus shade). Number 0 to 3 are transparent.
 */
public final class MapPalette {
    public static final byte TRANSPARENT = 0;
    public static final byte LIGHT_GREEN = 4;
    public static final byte LIGHT_BROWN = 8;
    public static final byte GRAY_1 = 12;
    public static final byte RED = 16;
    public static final byte PALE_BLUE = 20;
    public static final byte GRAY_2 = 24;
    public static final byte DARK_GREEN = 28;
    public static final byte WHITE = 32;
    public static final byte LIGHT_GRAY = 36;
    public static final byte BROWN = 40;
    public static final byte DARK_GRAY = 44;
    public static final byte BLUE = 48;
    public static final byte DARK_BROWN = 52;

    private static final int MAP_SIZE = 128;
    /** The base colours of the game's maps, from grass to wood. */
    private static final int[] BASE = {
        0x000000, 0x7FB238, 0xF7E9A3, 0xA7A7A7, 0xFF0000, 0xA0A0FF, 0xA7A7A7,
        0x007C00, 0xFFFFFF, 0xA4A8B8, 0xB7692F, 0x707070, 0x4040FF, 0x685332,
    };
    /** The shades, as a fraction of 255 of the base colour. */
    private static final int[] SHADE = {180, 220, 255, 135};
    private static final Color[] COLORS = new Color[BASE.length * SHADE.length];

    static {
        for (int b = 0; b < BASE.length; b++) {
            for (int s = 0; s < SHADE.length; s++) {
                int rgb = BASE[b];
                int m = SHADE[s];
                COLORS[b * 4 + s] = b == 0 ? new Color(0, 0, 0, 0)
                        : new Color((rgb >> 16 & 0xFF) * m / 255, (rgb >> 8 & 0xFF) * m / 255, (rgb & 0xFF) * m / 255);
            }
        }
    }

    private MapPalette() {
    }

    /** The image scaled to the 128 by 128 pixels of a map. */
    public static BufferedImage resizeImage(Image image) {
        BufferedImage result = new BufferedImage(MAP_SIZE, MAP_SIZE, BufferedImage.TYPE_INT_ARGB);
        Graphics2D g = result.createGraphics();
        g.drawImage(image, 0, 0, MAP_SIZE, MAP_SIZE, null);
        g.dispose();
        return result;
    }

    /** The image's pixels as map colours, row by row. */
    @Deprecated
    public static byte[] imageToBytes(Image image) {
        int w = image.getWidth(null);
        int h = image.getHeight(null);
        BufferedImage argb = new BufferedImage(Math.max(1, w), Math.max(1, h), BufferedImage.TYPE_INT_ARGB);
        Graphics2D g = argb.createGraphics();
        g.drawImage(image, 0, 0, null);
        g.dispose();
        int[] pixels = argb.getRGB(0, 0, argb.getWidth(), argb.getHeight(), null, 0, argb.getWidth());
        byte[] out = new byte[pixels.length];
        for (int i = 0; i < pixels.length; i++) {
            out[i] = matchColor(new Color(pixels[i], true));
        }
        return out;
    }

    @Deprecated
    public static byte matchColor(int r, int g, int b) {
        return matchColor(new Color(r, g, b));
    }

    /** The nearest map colour (by weighted distance); a mostly transparent colour is transparent. */
    @Deprecated
    public static byte matchColor(Color color) {
        if (color.getAlpha() < 128) {
            return TRANSPARENT;
        }
        int best = 0;
        double bestDistance = Double.MAX_VALUE;
        for (int i = 4; i < COLORS.length; i++) {
            Color c = COLORS[i];
            double rMean = (c.getRed() + color.getRed()) / 2.0;
            double dr = c.getRed() - color.getRed();
            double dg = c.getGreen() - color.getGreen();
            double db = c.getBlue() - color.getBlue();
            double d = (2 + rMean / 256) * dr * dr + 4 * dg * dg + (2 + (255 - rMean) / 256) * db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return (byte) best;
    }

    /** The colour of a map colour number. */
    @Deprecated
    public static Color getColor(byte index) {
        if (index < 0 || index >= COLORS.length) {
            throw new IndexOutOfBoundsException("no map colour " + index);
        }
        return COLORS[index];
    }
}
