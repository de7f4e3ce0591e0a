package net.cubeworks.world.game.api;

import java.util.List;
import java.util.Random;

import org.bukkit.BlockChangeDelegate;
import org.bukkit.TreeType;

import net.cubeworks.world.generation.TreeShapes;
import net.cubeworks.world.level.BlockIds;

/**
 * World.generateTree: a tree of the kind on the ground at a place, in the natural world's
 * shapes, with the wood and leaves of its kind. As on any server it grows only on grass or
 * dirt, with room for its trunk, and says false otherwise. Huge mushrooms are not grown here:
 * false.
 */
public final class ApiTrees {
    private static final int LOG_2 = 162;
    private static final int LEAVES_2 = 161;

    private ApiTrees() {
    }

    /** What the kind grows: shape, least height, height range, log id and data, leaves id and data; null for none. */
    static int[] plan(TreeType type) {
        switch (type) {
            case TREE:
            case SWAMP:
                return new int[] {TreeShapes.ROUND, 4, 3, BlockIds.LOG, 0, BlockIds.LEAVES, 0};
            case BIG_TREE:
                return new int[] {TreeShapes.ROUND, 7, 5, BlockIds.LOG, 0, BlockIds.LEAVES, 0};
            case BIRCH:
                return new int[] {TreeShapes.ROUND, 5, 3, BlockIds.LOG, 2, BlockIds.LEAVES, 2};
            case TALL_BIRCH:
                return new int[] {TreeShapes.ROUND, 8, 4, BlockIds.LOG, 2, BlockIds.LEAVES, 2};
            case REDWOOD:
                return new int[] {TreeShapes.CONE, 6, 4, BlockIds.LOG, 1, BlockIds.LEAVES, 1};
            case TALL_REDWOOD:
            case MEGA_REDWOOD:
                return new int[] {TreeShapes.CONE, 10, 6, BlockIds.LOG, 1, BlockIds.LEAVES, 1};
            case JUNGLE:
                return new int[] {TreeShapes.ROUND, 10, 10, BlockIds.LOG, 3, BlockIds.LEAVES, 3};
            case SMALL_JUNGLE:
            case COCOA_TREE:
                return new int[] {TreeShapes.ROUND, 4, 7, BlockIds.LOG, 3, BlockIds.LEAVES, 3};
            case JUNGLE_BUSH:
                return new int[] {TreeShapes.BUSH, 1, 1, BlockIds.LOG, 3, BlockIds.LEAVES, 0};
            case ACACIA:
                return new int[] {TreeShapes.ROUND, 5, 3, LOG_2, 0, LEAVES_2, 0};
            case DARK_OAK:
                return new int[] {TreeShapes.ROUND, 6, 3, LOG_2, 1, LEAVES_2, 1};
            default:
                return null;
        }
    }

    /** Where blocks are read and put: the world itself, or a plugin's delegate. */
    public interface Blocks {
        int typeAt(int x, int y, int z);

        void put(int x, int y, int z, int id, int data);
    }

    public static Blocks of(final BlockChangeDelegate d) {
        return new Blocks() {
            public int typeAt(int x, int y, int z) {
                return d.getTypeId(x, y, z);
            }

            public void put(int x, int y, int z, int id, int data) {
                d.setTypeIdAndData(x, y, z, id, data);
            }
        };
    }

    /** Grows the tree with its trunk at (x, y, z) (the block above the ground); false when it cannot grow there. */
    public static boolean grow(Blocks blocks, int x, int y, int z, TreeType type, Random r) {
        int[] p = plan(type);
        if (p == null || y < 1) {
            return false;
        }
        int ground = blocks.typeAt(x, y - 1, z);
        if (ground != BlockIds.GRASS && ground != BlockIds.DIRT) {
            return false;
        }
        int height = p[1] + r.nextInt(p[2]);
        if (y + height + 2 > 255) {
            return false;
        }
        for (int i = 0; i < height; i++) {
            int there = blocks.typeAt(x, y + i, z);
            if (there != 0 && there != BlockIds.LEAVES && there != LEAVES_2 && !(i == 0 && there == 6)) {
                return false;
            }
        }
        List<TreeShapes.Part> parts = TreeShapes.grow(p[0], x, y, z, height, p[3], p[4], p[5], p[6], r);
        for (TreeShapes.Part part : parts) {
            if (!part.leaves || blocks.typeAt(part.x, part.y, part.z) == 0) {
                blocks.put(part.x, part.y, part.z, part.id, part.data);
            }
        }
        if (ground == BlockIds.GRASS) {
            blocks.put(x, y - 1, z, BlockIds.DIRT, 0);
        }
        return true;
    }
}
