package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;

/**
 * Wooden doors, trapdoors and fence gates, opened and closed by a right click of anyone (unless he
 * sneaks with something in hand, when he places it), with the game's sound for everybody near. A
 * door keeps whether it is open in its lower half (bit 4 of its data; the upper half has bit 8), a
 * trapdoor and a fence gate in bit 4 of their own. Iron doors do not open by hand. Each opens
 * while powered and shuts when the power goes (see {@link Powered#follow}).
 */
final class Openings extends BlockBehaviour {
    /** The game's sound of a door, trapdoor or gate opening or shutting (an Effect id). */
    static final int DOOR_SOUND = 1003;
    static final int OPEN = 4;
    static final int UPPER = 8;
    private final boolean door;
    private final boolean byHand;

    Openings(boolean door, boolean byHand) {
        this.door = door;
        this.byHand = byHand;
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        Powered.follow(w, x, y, z, changedId, door);
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0 || !byHand) {
            return false;
        }
        int id = terrain.blockAt(x, y, z);
        int ly = y;
        if (door && (terrain.metaAt(x, y, z) & UPPER) != 0) {
            ly = y - 1;
            if (terrain.blockAt(x, ly, z) != id) {
                return true; // half a door: nothing to swing
            }
        }
        int data = terrain.metaAt(x, ly, z) ^ OPEN;
        if (terrain instanceof BlockWorld) {
            BlockWorld w = (BlockWorld) terrain;
            w.setBlockQuietly(x, ly, z, id, data);
            w.playEffect(DOOR_SOUND, x, y, z, 0);
        } else {
            terrain.setBlock(x, ly, z, id, data);
        }
        return true;
    }

}
