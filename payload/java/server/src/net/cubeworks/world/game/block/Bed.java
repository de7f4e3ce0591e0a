package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;

/**
 * A bed, two blocks: the foot and the head one step on from it the way the bed faces (the low
 * two bits of its data: 0 south, 1 west, 2 north, 3 east; 8 marks the head, 4 a head someone
 * sleeps in). A right click on either half is a try to sleep in the bed, which the player's side
 * of the game answers; the bed always takes the click, so nothing is placed against it. Also the
 * game's way out of a bed: the first free place around it to stand on.
 */
public final class Bed extends BlockBehaviour {
    public static final int HEAD = 8;
    public static final int OCCUPIED = 4;
    /** The step from the foot to the head for each facing, {dx, dz}. */
    private static final int[][] STEP = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        int[] head = head(terrain, x, y, z);
        if (head != null) {
            user.useBed(head[0], head[1], head[2]);
        }
        return true;
    }

    /** The head of the bed one half of which is at the place, or null when the other half is gone. */
    public static int[] head(Terrain t, int x, int y, int z) {
        if (t.blockAt(x, y, z) != BlockIds.BED) {
            return null;
        }
        int meta = t.metaAt(x, y, z);
        if ((meta & HEAD) != 0) {
            return new int[] {x, y, z};
        }
        int[] s = STEP[meta & 3];
        return t.blockAt(x + s[0], y, z + s[1]) == BlockIds.BED ? new int[] {x + s[0], y, z + s[1]} : null;
    }

    /** The step from the foot to the head of a bed of the data, {dx, dz}. */
    public static int[] step(int meta) {
        return STEP[meta & 3].clone();
    }

    /**
     * Where a player gets out of the bed whose head is at the place, as the game looks: the block
     * cells around the head, then around the foot, west to east and north to south, the first
     * that has a solid top under it and room for a body in it and above; null when none has.
     */
    public static int[] exit(Terrain t, int x, int y, int z) {
        int[] s = STEP[t.metaAt(x, y, z) & 3];
        for (int half = 0; half <= 1; half++) {
            int fromX = x - s[0] * half - 1;
            int fromZ = z - s[1] * half - 1;
            for (int ex = fromX; ex <= fromX + 2; ex++) {
                for (int ez = fromZ; ez <= fromZ + 2; ez++) {
                    int in = t.blockAt(ex, y, ez);
                    if (y >= 1 && y <= 254 && BlockRules.solid(t.blockAt(ex, y - 1, ez)) && in != BlockIds.BED
                            && !BlockRules.solid(in) && !BlockRules.solid(t.blockAt(ex, y + 1, ez))) {
                        return new int[] {ex, y, ez};
                    }
                }
            }
        }
        return null;
    }

    /** Whether a body fits at the place: neither cell a solid block or a liquid (a forced spawn point's test). */
    public static boolean roomAt(Terrain t, int x, int y, int z) {
        for (int dy = 0; dy <= 1; dy++) {
            int id = t.blockAt(x, y + dy, z);
            if (BlockRules.solid(id) || BlockIds.isWater(id) || BlockIds.isLava(id)) {
                return false;
            }
        }
        return true;
    }
}
