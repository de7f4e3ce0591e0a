package net.cubeworks.world.level;

/**
 * How each block id of 1.7 treats light: the level it gives off (0..15) and how much it takes
 * from light passing through it (0 clear, 15 opaque). Leaves and webs dim light by 1, water and
 * ice by 3; glass, flowers, torches and the like let it through. Ids the table does not know are
 * taken as opaque and dark, the safest guess for a block the client draws solid.
 */
public final class BlockLight {
    private static final byte[] EMIT = new byte[256];
    private static final byte[] OPACITY = new byte[256];

    static {
        java.util.Arrays.fill(OPACITY, (byte) 15);
        // blocks light passes through unchanged
        int[] clear = {0, 6, 20, 26, 27, 28, 31, 32, 37, 38, 39, 40, 50, 51, 55, 59, 63, 64, 65, 66, 68, 69, 70,
            71, 72, 75, 76, 77, 78, 81, 83, 85, 90, 92, 93, 94, 95, 96, 101, 102, 104, 105, 106, 107, 111, 113,
            115, 116, 117, 118, 119, 120, 122, 127, 131, 132, 138, 139, 140, 141, 142, 143, 144, 145, 147, 148,
            149, 150, 151, 154, 157, 160, 166, 167, 171, 175, 30, 54, 146, 130, 10, 11};
        for (int id : clear) {
            OPACITY[id] = 0;
        }
        OPACITY[18] = 1; // leaves
        OPACITY[161] = 1;
        OPACITY[30] = 1; // web
        OPACITY[8] = 3; // water
        OPACITY[9] = 3;
        OPACITY[79] = 3; // ice
        OPACITY[174] = 15; // packed ice is opaque
        emit(10, 15); // lava
        emit(11, 15);
        emit(50, 14); // torch
        emit(51, 15); // fire
        emit(62, 13); // lit furnace
        emit(74, 9); // glowing redstone ore
        emit(76, 7); // redstone torch (on)
        emit(89, 15); // glowstone
        emit(90, 11); // portal
        emit(91, 15); // jack o'lantern
        emit(94, 9); // powered repeater
        emit(119, 15); // end portal
        emit(120, 1); // end portal frame
        emit(122, 1); // dragon egg
        emit(124, 15); // lit redstone lamp
        emit(130, 7); // ender chest
        emit(138, 15); // beacon
        emit(39, 1); // brown mushroom
        emit(117, 1); // brewing stand
        emit(150, 9); // powered comparator
    }

    private BlockLight() {
    }

    private static void emit(int id, int level) {
        EMIT[id] = (byte) level;
    }

    /** The block light the block gives off. */
    public static int emitted(int id) {
        return EMIT[id & 0xFF];
    }

    /** How much the block takes from light passing through it: 0 clear .. 15 opaque. */
    public static int opacity(int id) {
        return OPACITY[id & 0xFF];
    }
}
