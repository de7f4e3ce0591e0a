package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;

/**
 * A hopper: a right click opens its window; redstone power turns it off (the 8 of its data, as
 * the game keeps it) until the power goes.
 */
public final class HopperBlock extends BlockBehaviour {
    /** The face on the other side of each face. */
    private static final int[] OPPOSITE = {1, 0, 3, 2, 5, 4};

    /** Placed, it points toward the block clicked, never up. */
    @Override
    int placedData(PlacedBlock b) {
        return b.face < 2 ? 0 : OPPOSITE[b.face];
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        user.openContainer(x, y, z);
        return true;
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        neighbourChanged(w, x, y, z, AIR);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        int data = w.metaAt(x, y, z);
        boolean powered = Redstone.powered(w, x, y, z);
        if (powered != HopperMoves.off(data)) {
            w.setBlockQuietly(x, y, z, w.blockAt(x, y, z), powered ? data | 8 : data & 7);
        }
    }
}
