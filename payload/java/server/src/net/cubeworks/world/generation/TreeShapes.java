package net.cubeworks.world.generation;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

/**
 * One tree grown on demand (a plugin's or a sapling's), in the shapes the natural world draws:
 * a round crown of four layers on a straight trunk, or a spruce's cone of rings. The wood of a
 * tree is a log id with its data, its leaves a leaves id with theirs, so the same shapes stand
 * for every wood of the game.
 */
public final class TreeShapes {
    /** The shapes. */
    public static final int ROUND = 0;
    public static final int CONE = 1;
    /** A bush: one log with a low mound of leaves around it. */
    public static final int BUSH = 2;

    private TreeShapes() {
    }

    /** A block of a tree: where, which id and data; leaves go only where there is air. */
    public static final class Part {
        public final int x;
        public final int y;
        public final int z;
        public final int id;
        public final int data;
        public final boolean leaves;

        Part(int x, int y, int z, int id, int data, boolean leaves) {
            this.x = x;
            this.y = y;
            this.z = z;
            this.id = id;
            this.data = data;
            this.leaves = leaves;
        }
    }

    /**
     * The blocks of a tree whose trunk rises from (x, y, z), the block above its ground, trunk
     * first: height logs, then the leaves. The random choices (corner leaves) come from r.
     */
    public static List<Part> grow(int shape, int x, int y, int z, int height, int logId, int logData, int leavesId,
            int leavesData, Random r) {
        List<Part> trunk = new ArrayList<Part>();
        List<Part> crown = new ArrayList<Part>();
        int logs = shape == BUSH ? 1 : height;
        for (int i = 0; i < logs; i++) {
            trunk.add(new Part(x, y + i, z, logId, logData, false));
        }
        int top = y + logs - 1;
        if (shape == CONE) {
            for (int ly = top + 1; ly >= y + 2; ly--) {
                // rings as wide as 3 at the bottom, each second ring drawn in a little
                int dist = top + 1 - ly;
                int radius = dist == 0 ? 0 : Math.min(Trees.REACH, (dist + 1) / 2);
                if (dist > 1 && dist % 2 == 1) {
                    radius = Math.max(1, radius - 1);
                }
                for (int dx = -radius; dx <= radius; dx++) {
                    for (int dz = -radius; dz <= radius; dz++) {
                        if (radius == 0 || Math.abs(dx) + Math.abs(dz) <= radius + 1) {
                            crown.add(new Part(x + dx, ly, z + dz, leavesId, leavesData, true));
                        }
                    }
                }
            }
        } else if (shape == BUSH) {
            for (int ly = y; ly <= y + 2; ly++) {
                int radius = 2 - (ly - y);
                for (int dx = -radius; dx <= radius; dx++) {
                    for (int dz = -radius; dz <= radius; dz++) {
                        if (Math.abs(dx) != radius || Math.abs(dz) != radius || r.nextInt(2) == 0) {
                            crown.add(new Part(x + dx, ly, z + dz, leavesId, leavesData, true));
                        }
                    }
                }
            }
        } else {
            for (int ly = top - 2; ly <= top + 1; ly++) {
                int radius = ly <= top - 1 ? 2 : 1;
                for (int dx = -radius; dx <= radius; dx++) {
                    for (int dz = -radius; dz <= radius; dz++) {
                        boolean corner = Math.abs(dx) == radius && Math.abs(dz) == radius;
                        boolean drop = corner && (ly == top + 1 || r.nextInt(2) == 0);
                        if (!drop) {
                            crown.add(new Part(x + dx, ly, z + dz, leavesId, leavesData, true));
                        }
                    }
                }
            }
        }
        trunk.addAll(crown);
        return trunk;
    }
}
