package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.Terrain;

/**
 * A chest (and a trapped chest): a right click opens it, and the chest of the same kind beside
 * it with it (a double chest), unless a solid block sits on it or the player sneaks with
 * something in hand (then he places it).
 */
public final class Chest extends BlockBehaviour {
    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        if (y < 255 && BlockRules.solid(terrain.blockAt(x, y + 1, z))) {
            return true; // the lid cannot lift: nothing opens, nothing is placed
        }
        user.openContainer(x, y, z);
        return true;
    }

    /**
     * The other half of a double chest at the block, {x, y, z}, or null for a single one: a
     * chest of the same id beside it to the west, east, north or south (the first found).
     */
    public static int[] otherHalf(Terrain terrain, int x, int y, int z) {
        int id = terrain.blockAt(x, y, z);
        int[][] sides = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (int[] s : sides) {
            if (terrain.blockAt(x + s[0], y, z + s[1]) == id) {
                return new int[] {x + s[0], y, z + s[1]};
            }
        }
        return null;
    }
}
