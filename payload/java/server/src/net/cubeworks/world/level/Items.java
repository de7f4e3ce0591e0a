package net.cubeworks.world.level;

/**
 * What a 1.7 item id is as an item: how many of it make a stack, and which armour slot it
 * may be worn in. Blocks stack to 64; of the items, tools, weapons, armour, vehicles,
 * filled buckets, doors, beds, cake, potions, books that are written in, records and horse
 * armour stand alone, and snowballs, eggs, ender pearls, signs and empty buckets stack to 16.
 */
public final class Items {
    /** Armour pieces: helmet, chestplate, leggings, boots. */
    public static final int HELMET = 0;
    public static final int CHESTPLATE = 1;
    public static final int LEGGINGS = 2;
    public static final int BOOTS = 3;
    public static final int NOT_ARMOUR = -1;

    private static final int PUMPKIN = 86;
    private static final int SKULL = 397;

    private static final int[] ALONE = {256, 257, 258, 259, 261, 267, 268, 269, 270, 271, 272, 273, 274, 275, 276,
        277, 278, 279, 282, 283, 284, 285, 286, 290, 291, 292, 293, 294, 324, 326, 327, 328, 329, 330, 333, 335, 342,
        343, 346, 354, 355, 359, 373, 386, 387, 398, 403, 407, 408, 417, 418, 419};
    private static final int[] SIXTEEN = {323, 325, 332, 344, 368};

    private static final byte[] MAX = new byte[32768];

    static {
        java.util.Arrays.fill(MAX, (byte) 64);
        for (int id : ALONE) {
            MAX[id] = 1;
        }
        for (int id : SIXTEEN) {
            MAX[id] = 16;
        }
        for (int id = 298; id <= 317; id++) {
            MAX[id] = 1;
        }
        for (int id = 2256; id <= 2267; id++) {
            MAX[id] = 1;
        }
    }

    private Items() {
    }

    /** The most of this item one slot holds; 64 for ids the game does not have. */
    public static int maxStack(int id) {
        return id > 0 && id < MAX.length ? MAX[id] : 64;
    }

    /** The armour piece an item is (HELMET .. BOOTS), or NOT_ARMOUR. */
    public static int armourPiece(int id) {
        return id >= 298 && id <= 317 ? (id - 298) % 4 : NOT_ARMOUR;
    }

    /** Whether the item may lie in the armour slot of that piece: fitting armour, or a pumpkin or a head as a helmet. */
    public static boolean fitsArmourSlot(int id, int piece) {
        return armourPiece(id) == piece || (piece == HELMET && (id == PUMPKIN || id == SKULL));
    }
}
