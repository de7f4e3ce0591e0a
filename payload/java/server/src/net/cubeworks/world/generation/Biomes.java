package net.cubeworks.world.generation;

/** The game's biome ids the natural world makes. */
public final class Biomes {
    public static final int OCEAN = 0;
    public static final int PLAINS = 1;
    public static final int DESERT = 2;
    public static final int EXTREME_HILLS = 3;
    public static final int FOREST = 4;
    public static final int TAIGA = 5;
    public static final int SWAMPLAND = 6;
    public static final int RIVER = 7;
    public static final int BEACH = 16;
    public static final int BIRCH_FOREST = 27;

    private Biomes() {
    }

    /** True where the ground is sand rather than grass. */
    static boolean sandy(int biome) {
        return biome == DESERT || biome == BEACH;
    }
}
