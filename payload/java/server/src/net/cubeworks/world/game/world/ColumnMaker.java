package net.cubeworks.world.game.world;

import net.cubeworks.world.generation.FlatGenerator;
import net.cubeworks.world.generation.WorldGenerator;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnLight;
import net.cubeworks.world.level.Relight;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;

/**
 * Where a column the world does not hold comes from: the store, or the world's generator when the
 * store has none. Keeps no columns itself, so it may be used on any thread.
 */
public final class ColumnMaker {
    private final WorldStore store;
    /** Makes the columns the store does not have; set before any player joins. */
    private volatile WorldGenerator generator = new FlatGenerator(0, FlatGenerator.DEFAULT_PRESET);

    ColumnMaker(WorldStore store) {
        this.store = store;
    }

    public void setGenerator(WorldGenerator generator) {
        this.generator = generator;
    }

    public WorldGenerator generator() {
        return generator;
    }

    /** A made column: what the store read, or a new one from the generator; null for the default flat ground. */
    public static final class Made {
        public final Column column;
        /** True when the generator made it: it is saved once taken into the world. */
        public final boolean generated;

        private Made(Column column, boolean generated) {
            this.column = column;
            this.generated = generated;
        }
    }

    /**
     * Reads the column from the store, or makes it new when the store has none, lit either way
     * (the default flat world's columns stay as they are: their light follows from the height).
     * Touches no held column, so it may run on any thread. Throws Unavailable when the
     * store cannot read what it keeps.
     */
    public Made make(int cx, int cz) throws Unavailable {
        WorldGenerator g = generator;
        Column c = store.loadColumn(cx, cz);
        if (c == null) {
            return g.flatDefault() ? new Made(null, false) : new Made(g.generate(cx, cz), true);
        }
        if (!c.lit() && !g.flatDefault()) {
            ColumnLight.light(c);
        }
        return new Made(c, false);
    }

    /** The block of the default flat ground at the height. */
    public static int flatBlock(int y) {
        if (y == 0) {
            return Column.BEDROCK;
        }
        if (y == 1 || y == 2) {
            return Column.DIRT;
        }
        return y == 3 ? Column.GRASS : 0;
    }

    /** Brings light across the borders of the column not yet done, with the neighbours w holds. */
    public static boolean lightBorders(Column c, Relight.Lights w) {
        boolean changed = false;
        int[][] sides = {{-1, 0, 1}, {1, 0, 2}, {0, -1, 4}, {0, 1, 8}};
        for (int[] side : sides) {
            if ((c.litBorders & side[2]) != 0) {
                continue;
            }
            Column n = w.column((c.x + side[0]) << 4, (c.z + side[1]) << 4);
            if (n != null && n.lit()) {
                changed |= Relight.acrossBorder(w, c, n);
            }
        }
        return changed;
    }
}
