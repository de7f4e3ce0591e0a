package net.cubeworks.world.game.mob;

/**
 * How a block stops a body, as the game shapes it: most blocks are whole cubes; air, liquids,
 * plants, torches, rails, wires, signs and ladders stop nothing; slabs, beds, farmland and soul
 * sand are lower, fences and walls one and a half blocks high. Also which blocks hurt or drown
 * (what a path avoids).
 */
public final class Shapes {
    /** The collision box's bottom and top in the block, in sixteenths: {0, 0} stops nothing. */
    private static final byte[] BOTTOM = new byte[256];
    private static final byte[] TOP = new byte[256];
    private static final boolean[] HARMFUL = new boolean[256];

    static {
        java.util.Arrays.fill(TOP, (byte) 16);
        int[] open = {0, 6, 8, 9, 10, 11, 27, 28, 30, 31, 32, 37, 38, 39, 40, 50, 51, 55, 59, 63, 65, 66, 68, 69, 70,
            72, 75, 76, 77, 78, 83, 90, 93, 94, 104, 105, 106, 115, 119, 131, 132, 141, 142, 143, 147, 148, 149, 150, 157,
            171, 175};
        for (int id : open) {
            TOP[id] = 0;
        }
        TOP[44] = 8; // slabs: the upper ones are told by their data
        TOP[126] = 8;
        TOP[26] = 9; // bed
        TOP[60] = 15; // farmland
        TOP[88] = 14; // soul sand
        TOP[85] = 24; // fences and walls
        TOP[113] = 24;
        TOP[139] = 24;
        TOP[107] = 24; // a closed fence gate
        TOP[96] = 3; // a closed trapdoor
        for (int id : new int[] {10, 11, 51, 81, 30}) {
            HARMFUL[id] = true; // lava, fire, cactus; and cobweb, which traps
        }
    }

    private Shapes() {
    }

    /** The bottom of the block's collision box, in blocks above its floor. */
    public static double bottom(int id, int meta) {
        if ((id == 44 || id == 126) && (meta & 8) != 0) {
            return 0.5;
        }
        return BOTTOM[id & 0xFF] / 16.0;
    }

    /** The top of the block's collision box in blocks above its floor; 0 when it stops nothing. */
    public static double top(int id, int meta) {
        id &= 0xFF;
        if ((id == 44 || id == 126) && (meta & 8) != 0) {
            return 1.0;
        }
        if ((id == 107 || id == 96) && (meta & 4) != 0) {
            return 0; // open
        }
        return TOP[id] / 16.0;
    }

    public static boolean stops(int id, int meta) {
        return top(id, meta) > 0;
    }

    /** A whole cube: what a mob cannot spawn in and what a spawn needs under it. */
    public static boolean cube(int id, int meta) {
        return bottom(id, meta) == 0 && top(id, meta) == 1.0;
    }

    public static boolean water(int id) {
        return id == 8 || id == 9;
    }

    public static boolean lava(int id) {
        return id == 10 || id == 11;
    }

    public static boolean harmful(int id) {
        return HARMFUL[id & 0xFF];
    }

    public static boolean climbable(int id) {
        return id == 65 || id == 106;
    }
}
