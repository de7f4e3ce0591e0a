package org.bukkit.map;

/**
 * The game's default font, as far as plugins measure it: every printable ASCII character with
 * the game's width, 8 pixels high. The sprites carry the widths only (their pixels are blank),
 * as this server renders no maps; text measured with it lines up as it does in the client.
 */
public class MinecraftFont extends MapFont {
    private static final int HEIGHT = 8;
    private static final String NARROW_1 = "!',.:;i|";
    private static final String NARROW_2 = "`l";
    private static final String NARROW_3 = " \"()*I[]t{}";
    private static final String NARROW_4 = "<>fk";
    private static final String WIDE_6 = "@~";

    public static final MinecraftFont Font = new MinecraftFont();

    public MinecraftFont() {
        for (char ch = 32; ch < 127; ch++) {
            int width = widthOf(ch);
            setChar(ch, new CharacterSprite(width, HEIGHT, new boolean[width * HEIGHT]));
        }
        malleable = false;
    }

    private static int widthOf(char ch) {
        if (NARROW_1.indexOf(ch) >= 0) {
            return 1;
        }
        if (NARROW_2.indexOf(ch) >= 0) {
            return 2;
        }
        if (NARROW_3.indexOf(ch) >= 0) {
            return 3;
        }
        if (NARROW_4.indexOf(ch) >= 0) {
            return 4;
        }
        if (WIDE_6.indexOf(ch) >= 0) {
            return 6;
        }
        return 5;
    }
}
