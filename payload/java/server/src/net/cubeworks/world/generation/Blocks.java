package net.cubeworks.world.generation;

/** The block ids the generators place. */
final class Blocks {
    static final int AIR = 0;
    static final int STONE = 1;
    static final int GRASS = 2;
    static final int DIRT = 3;
    static final int BEDROCK = 7;
    static final int WATER = 9;
    static final int LAVA = 11;
    static final int SAND = 12;
    static final int GRAVEL = 13;
    static final int GOLD_ORE = 14;
    static final int IRON_ORE = 15;
    static final int COAL_ORE = 16;
    static final int LOG = 17;
    static final int LEAVES = 18;
    static final int LAPIS_ORE = 21;
    static final int SANDSTONE = 24;
    static final int TALL_GRASS = 31;
    static final int DEAD_BUSH = 32;
    static final int DANDELION = 37;
    static final int POPPY = 38;
    static final int DIAMOND_ORE = 56;
    static final int REDSTONE_ORE = 73;
    static final int CLAY = 82;

    private Blocks() {
    }
}
