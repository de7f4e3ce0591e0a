package net.cubeworks.world.level;

/** Column coordinates: a column's key in maps, and the column a block coordinate falls in. */
public final class ColumnKey {
    /** Blocks farther from the origin than this (on x or z, or at any height) are outside the world. */
    public static final double MAX_COORD = 3.2E7;

    private ColumnKey() {
    }

    public static long of(int cx, int cz) {
        return ((long) cx << 32) | (cz & 0xFFFFFFFFL);
    }

    public static int x(long key) {
        return (int) (key >> 32);
    }

    public static int z(long key) {
        return (int) key;
    }

    /** The column coordinate of a block coordinate, rounding down. */
    public static int chunk(double v) {
        return (int) Math.floor(v) >> 4;
    }
}
