package net.cubeworks.world.game.block;

/**
 * The block ids the placing rules (and what holds a block in place) name that level.BlockIds does
 * not: slabs, fences, walls, glass and the like, whose shapes decide what stands on them.
 */
final class PlacingIds {
    static final int GLASS = 20;
    static final int BROWN_MUSHROOM = 39;
    static final int RED_MUSHROOM = 40;
    static final int DOUBLE_STONE_SLAB = 43;
    static final int STONE_SLAB = 44;
    static final int FENCE = 85;
    static final int GLOWSTONE = 89;
    static final int JACK_O_LANTERN = 91;
    static final int CAKE = 92;
    static final int MYCELIUM = 110;
    static final int LILY_PAD = 111;
    static final int NETHER_FENCE = 113;
    static final int END_PORTAL_FRAME = 120;
    static final int DOUBLE_WOODEN_SLAB = 125;
    static final int WOODEN_SLAB = 126;
    static final int TRIPWIRE_HOOK = 131;
    static final int COBBLESTONE_WALL = 139;
    static final int FLOWER_POT = 140;
    static final int ANVIL = 145;
    static final int QUARTZ_BLOCK = 155;
    static final int STAINED_CLAY = 159;
    static final int HAY = 170;
    static final int CARPET = 171;
    static final int HARDENED_CLAY = 172;
    static final int DOUBLE_PLANT = 175;

    /** Every kind of stairs: their top is whole when they are upside down. */
    static final int[] STAIRS = {53, 67, 108, 109, 114, 128, 134, 135, 136, 156, 163, 164};

    private PlacingIds() {
    }

    static boolean in(int[] ids, int id) {
        for (int i : ids) {
            if (i == id) {
                return true;
            }
        }
        return false;
    }
}
