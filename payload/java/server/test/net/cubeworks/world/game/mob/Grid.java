package net.cubeworks.world.game.mob;

import java.util.HashMap;
import java.util.Map;

import net.cubeworks.world.game.world.Terrain;

/** A made-up terrain for tests: stone up to a floor height, and the blocks a test puts. */
final class Grid implements Terrain {
    private final Map<Long, Integer> blocks = new HashMap<Long, Integer>();
    /** Stone below this height everywhere, air above, unless put otherwise. */
    final int floor;

    Grid(int floor) {
        this.floor = floor;
    }

    private static long key(int x, int y, int z) {
        return ((long) (x & 0xFFFFF) << 40) | ((long) (z & 0xFFFFF) << 12) | (y & 0xFFF);
    }

    public int blockAt(int x, int y, int z) {
        Integer b = blocks.get(key(x, y, z));
        if (b != null) {
            return b >> 4;
        }
        return y < floor ? 1 : 0;
    }

    public int metaAt(int x, int y, int z) {
        Integer b = blocks.get(key(x, y, z));
        return b == null ? 0 : b & 15;
    }

    public void setBlock(int x, int y, int z, int id, int data) {
        blocks.put(key(x, y, z), id << 4 | data);
    }

    /** Whether nothing was put: the plain floor everywhere. */
    boolean plain() {
        return blocks.isEmpty();
    }

    /** Fills the box, ends included. */
    Grid fill(int x0, int y0, int z0, int x1, int y1, int z1, int id) {
        for (int x = x0; x <= x1; x++) {
            for (int y = y0; y <= y1; y++) {
                for (int z = z0; z <= z1; z++) {
                    setBlock(x, y, z, id, 0);
                }
            }
        }
        return this;
    }
}
