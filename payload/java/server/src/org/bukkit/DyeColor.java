package org.bukkit;

/**
 * The sixteen dye colours. Wool, stained clay and glass number them one way (white 0), the dye
 * item the other (black 0); each has the colour it gives leather and the one it gives a firework.
 */
public enum DyeColor {
    WHITE(0, 15, Color.fromRGB(0xFFFFFF), Color.fromRGB(0xF0F0F0)),
    ORANGE(1, 14, Color.fromRGB(0xD87F33), Color.fromRGB(0xEB8844)),
    MAGENTA(2, 13, Color.fromRGB(0xB24CD8), Color.fromRGB(0xC354CD)),
    LIGHT_BLUE(3, 12, Color.fromRGB(0x6699D8), Color.fromRGB(0x6689D3)),
    YELLOW(4, 11, Color.fromRGB(0xE5E533), Color.fromRGB(0xDECF2A)),
    LIME(5, 10, Color.fromRGB(0x7FCC19), Color.fromRGB(0x41CD34)),
    PINK(6, 9, Color.fromRGB(0xF27FA5), Color.fromRGB(0xD88198)),
    GRAY(7, 8, Color.fromRGB(0x4C4C4C), Color.fromRGB(0x434343)),
    SILVER(8, 7, Color.fromRGB(0x999999), Color.fromRGB(0xABABAB)),
    CYAN(9, 6, Color.fromRGB(0x4C7F99), Color.fromRGB(0x287697)),
    PURPLE(10, 5, Color.fromRGB(0x7F3FB2), Color.fromRGB(0x7B2FBE)),
    BLUE(11, 4, Color.fromRGB(0x334CB2), Color.fromRGB(0x253192)),
    BROWN(12, 3, Color.fromRGB(0x664C33), Color.fromRGB(0x51301A)),
    GREEN(13, 2, Color.fromRGB(0x667F33), Color.fromRGB(0x3B511A)),
    RED(14, 1, Color.fromRGB(0x993333), Color.fromRGB(0xB3312C)),
    BLACK(15, 0, Color.fromRGB(0x191919), Color.fromRGB(0x1E1B1B));

    private static final DyeColor[] BY_WOOL = new DyeColor[16];
    private static final DyeColor[] BY_DYE = new DyeColor[16];

    static {
        for (DyeColor c : values()) {
            BY_WOOL[c.woolData] = c;
            BY_DYE[c.dyeData] = c;
        }
    }

    private final byte woolData;
    private final byte dyeData;
    private final Color color;
    private final Color fireworkColor;

    DyeColor(int woolData, int dyeData, Color color, Color fireworkColor) {
        this.woolData = (byte) woolData;
        this.dyeData = (byte) dyeData;
        this.color = color;
        this.fireworkColor = fireworkColor;
    }

    /** The wool data value (kept for older plugins). */
    @Deprecated
    public byte getData() {
        return woolData;
    }

    @Deprecated
    public byte getWoolData() {
        return woolData;
    }

    @Deprecated
    public byte getDyeData() {
        return dyeData;
    }

    /** The colour this dye gives leather armour. */
    public Color getColor() {
        return color;
    }

    /** The colour this dye gives a firework star. */
    public Color getFireworkColor() {
        return fireworkColor;
    }

    @Deprecated
    public static DyeColor getByData(byte data) {
        return getByWoolData(data);
    }

    /** The colour of that wool data value, or null outside 0 to 15. */
    @Deprecated
    public static DyeColor getByWoolData(byte data) {
        return data >= 0 && data < 16 ? BY_WOOL[data] : null;
    }

    /** The colour of that dye data value, or null outside 0 to 15. */
    @Deprecated
    public static DyeColor getByDyeData(byte data) {
        return data >= 0 && data < 16 ? BY_DYE[data] : null;
    }

    /** The dye whose leather colour is exactly that colour, or null. */
    public static DyeColor getByColor(Color color) {
        for (DyeColor c : values()) {
            if (c.color.equals(color)) {
                return c;
            }
        }
        return null;
    }

    /** The dye whose firework colour is exactly that colour, or null. */
    public static DyeColor getByFireworkColor(Color color) {
        for (DyeColor c : values()) {
            if (c.fireworkColor.equals(color)) {
                return c;
            }
        }
        return null;
    }
}
