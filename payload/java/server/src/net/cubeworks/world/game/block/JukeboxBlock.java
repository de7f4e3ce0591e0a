package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.Terrain;

/**
 * A jukebox: a right click with a record in hand puts it in (it plays), a right click on one that
 * holds a record takes it out (it falls on top); with anything else in hand the click is the
 * item's, as in the game.
 */
public final class JukeboxBlock extends BlockBehaviour {
    /** The game's records: 13 to wait. */
    public static boolean isRecord(int itemId) {
        return itemId >= 2256 && itemId <= 2267;
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        if (terrain.metaAt(x, y, z) == 0 && !isRecord(user.heldItem())) {
            return false;
        }
        user.openContainer(x, y, z);
        return true;
    }
}
