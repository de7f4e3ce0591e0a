package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.Terrain;

/** The world as a placement reads it: outside heights 0 to 255 is air. */
final class PlacingView {
    private final Terrain t;

    PlacingView(Terrain t) {
        this.t = t;
    }

    int id(int x, int y, int z) {
        return y < 0 || y > 255 ? 0 : t.blockAt(x, y, z);
    }

    int meta(int x, int y, int z) {
        return y < 0 || y > 255 ? 0 : t.metaAt(x, y, z);
    }

    /** An opaque whole cube that gives no power is there: see {@link Footing#normalCube}. */
    boolean normal(int x, int y, int z) {
        return Footing.normalCube(id(x, y, z));
    }

    /** The block there has a whole top: see {@link Footing#solidTop}. */
    boolean top(int x, int y, int z) {
        return Footing.solidTop(id(x, y, z), meta(x, y, z));
    }

    /** What a torch stands on: a solid top, a fence, glass or a wall. */
    boolean holdsTorch(int x, int y, int z) {
        int id = id(x, y, z);
        return top(x, y, z) || id == PlacingIds.FENCE || id == PlacingIds.NETHER_FENCE || id == PlacingIds.GLASS
                || id == PlacingIds.COBBLESTONE_WALL;
    }
}
