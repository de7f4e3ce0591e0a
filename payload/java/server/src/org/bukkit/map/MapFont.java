package org.bukkit.map;

import java.util.HashMap;
import java.util.Map;

/** A bitmap font for drawing text on map canvases: one sprite per character. */
public class MapFont {
    private final Map<Character, CharacterSprite> chars = new HashMap<Character, CharacterSprite>();
    private int height;
    /** Whether characters may still be set; a finished font is fixed. */
    protected boolean malleable = true;

    /** Sets the sprite of a character. */
    public void setChar(char ch, CharacterSprite sprite) {
        if (!malleable) {
            throw new IllegalStateException("this font is fixed");
        }
        chars.put(ch, sprite);
        height = Math.max(height, sprite.getHeight());
    }

    /** The sprite of a character, or null when the font has none. */
    public CharacterSprite getChar(char ch) {
        return chars.get(ch);
    }

    /** The width of the text in pixels, one pixel between characters; colour codes take none. */
    public int getWidth(String text) {
        if (!isValid(text)) {
            throw new IllegalArgumentException("the font cannot draw " + text);
        }
        int width = 0;
        int drawn = 0;
        for (int i = 0; i < text.length(); i++) {
            char ch = text.charAt(i);
            if (ch == '\u00a7') {
                i++;
                continue;
            }
            width += chars.get(ch).getWidth();
            drawn++;
        }
        return drawn == 0 ? 0 : width + drawn - 1;
    }

    /** The height of the tallest character. */
    public int getHeight() {
        return height;
    }

    /** Whether every character of the text (colour codes aside) has a sprite. */
    public boolean isValid(String text) {
        for (int i = 0; i < text.length(); i++) {
            char ch = text.charAt(i);
            if (ch == '\u00a7') {
                i++;
                continue;
            }
            if (ch != '\n' && !chars.containsKey(ch)) {
                return false;
            }
        }
        return true;
    }

    /** The pixels of one character, row by row. */
    public static class CharacterSprite {
        private final int width;
        private final int height;
        private final boolean[] data;

        public CharacterSprite(int width, int height, boolean[] data) {
            if (data.length != width * height) {
                throw new IllegalArgumentException("a " + width + "x" + height + " sprite needs "
                        + width * height + " pixels, not " + data.length);
            }
            this.width = width;
            this.height = height;
            this.data = data.clone();
        }

        /** Whether the pixel is set; outside the sprite nothing is. */
        public boolean get(int row, int col) {
            if (row < 0 || col < 0 || row >= height || col >= width) {
                return false;
            }
            return data[row * width + col];
        }

        public int getWidth() {
            return width;
        }

        public int getHeight() {
            return height;
        }
    }
}
