package net.cubeworks.world;

/** What the world knows of items: which can be placed as blocks, and what a broken block gives. */
final class Items {
    private static final boolean[] PLACEABLE = new boolean[256];
    private static final boolean[] KEEPS_DATA = new boolean[256];

    static {
        // the block items of 1.7, without the blocks that exist only in the world
        // (crops, door and bed halves, wires, portals, lit variants, ...)
        for (int id = 1; id <= 175; id++) {
            PLACEABLE[id] = true;
        }
        int[] worldOnly = {8, 9, 10, 11, 26, 34, 36, 51, 55, 59, 62, 63, 64, 68, 71, 74, 75, 83, 90, 92, 93, 94, 104,
            105, 115, 117, 118, 119, 124, 127, 132, 140, 141, 142, 144, 149, 150};
        for (int id : worldOnly) {
            PLACEABLE[id] = false;
        }
        // blocks whose item damage is the block's variant (colour, wood, stone kind)
        int[] variants = {1, 3, 5, 6, 12, 17, 18, 19, 24, 31, 35, 38, 43, 44, 95, 97, 98, 125, 126, 139, 155, 159,
            160, 161, 162, 168, 171, 175};
        for (int id : variants) {
            KEEPS_DATA[id] = true;
        }
    }

    /** Blocks a survival player breaks at the first hit (no hardness): the client sends no "finished". */
    private static final boolean[] INSTANT = new boolean[256];

    static {
        int[] instant = {6, 31, 32, 37, 38, 39, 40, 50, 51, 55, 59, 75, 76, 83, 93, 94, 104, 105, 111, 115, 131, 132,
            140, 141, 142, 149, 150, 175};
        for (int id : instant) {
            INSTANT[id] = true;
        }
    }

    private Items() {
    }

    static boolean breaksAtOnce(int block) {
        return block > 0 && block < 256 && INSTANT[block];
    }

    static boolean placeable(int item) {
        return item > 0 && item < 256 && PLACEABLE[item];
    }

    static boolean keepsData(int item) {
        return item > 0 && item < 256 && KEEPS_DATA[item];
    }

    /** Item ids of 1.7: blocks, items 256 to 431 and the records. */
    static boolean known(int item) {
        return placeable(item) || (item >= 256 && item <= 431) || (item >= 2256 && item <= 2267);
    }

    /** What breaking the block gives in survival: grass gives dirt, stone cobblestone. */
    static int drop(int block) {
        switch (block) {
            case 1:
                return 4;
            case 2:
                return 3;
            case 7:
                return 0;
            default:
                return placeable(block) ? block : 0;
        }
    }
}
