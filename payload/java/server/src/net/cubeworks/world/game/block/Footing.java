package net.cubeworks.world.game.block;

import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * What holds a block in its cell, as placing and the blocks hung on others read it: the shapes a
 * thing leans on (an opaque whole cube, one that gives no power, a whole top, a solid material),
 * and what the blocks standing on the one below with no placing rule of their own need there (a
 * flower grass or dirt, a mushroom mycelium or an opaque cube, snow a whole top).
 */
final class Footing {
    /** Whole cubes that let light through: nothing is hung on their sides. */
    private static final int[] SEE_THROUGH = {18, PlacingIds.GLASS, 79, PlacingIds.GLOWSTONE, 95, 138,
        BlockIds.LEAVES_2};

    private Footing() {
    }

    /** A whole cube that light does not pass: what walls, torches on walls and ladders hang on. */
    static boolean opaqueCube(int id) {
        return BlockRules.solid(id) && !PlacingIds.in(SEE_THROUGH, id);
    }

    /** An opaque whole cube that gives no power: what torches, levers, buttons and ladders hang on. */
    static boolean normalCube(int id) {
        return opaqueCube(id) && id != BlockIds.REDSTONE_BLOCK;
    }

    /** Whether the block's top is a whole face to stand things on. */
    static boolean solidTop(int id, int meta) {
        if (opaqueCube(id) || id == BlockIds.HOPPER) {
            return true;
        }
        if (PlacingIds.in(PlacingIds.STAIRS, id)) {
            return (meta & 4) != 0;
        }
        if (id == PlacingIds.STONE_SLAB || id == PlacingIds.WOODEN_SLAB) {
            return (meta & 8) != 0;
        }
        return id == BlockIds.SNOW_LAYER && (meta & 7) == 7;
    }

    /** A block whose material is solid: not air, liquid, plant, fire, portal or a thin block of circuits. */
    static boolean solidMaterial(int id) {
        String m = BlockTable.of(id).material;
        return !(m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants") || m.equals("vine")
                || m.equals("circuits") || m.equals("fire") || m.equals("portal")) && id != BlockIds.SNOW_LAYER;
    }

    /** Whether the blocks that stand on the one below (plants, plates, carpets, snow) have what they need. */
    static boolean stands(PlacingView w, int block, int x, int y, int z) {
        int below = w.id(x, y - 1, z);
        switch (block) {
            case BlockIds.SAPLING:
            case BlockIds.TALL_GRASS:
            case BlockIds.DANDELION:
            case BlockIds.POPPY:
                return below == BlockIds.GRASS || below == BlockIds.DIRT || below == BlockIds.FARMLAND;
            case BlockIds.DEAD_BUSH:
                return below == BlockIds.SAND || below == PlacingIds.HARDENED_CLAY || below == PlacingIds.STAINED_CLAY
                        || below == BlockIds.DIRT;
            case PlacingIds.BROWN_MUSHROOM:
            case PlacingIds.RED_MUSHROOM:
                return below == PlacingIds.MYCELIUM || opaqueCube(below);
            case PlacingIds.LILY_PAD:
                return below == BlockIds.STILL_WATER && w.meta(x, y - 1, z) == 0;
            case PlacingIds.CARPET:
                return below != 0;
            case PlacingIds.FLOWER_POT:
                return w.top(x, y - 1, z);
            case PlacingIds.CAKE:
                return solidMaterial(below);
            case BlockIds.SNOW_LAYER:
                return below != BlockIds.ICE && below != BlockIds.PACKED_ICE && (below == BlockIds.LEAVES
                        || below == BlockIds.LEAVES_2 || opaqueCube(below)
                        || below == BlockIds.SNOW_LAYER && (w.meta(x, y - 1, z) & 7) == 7);
            default:
                return true;
        }
    }
}
