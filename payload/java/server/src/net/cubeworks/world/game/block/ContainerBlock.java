package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.Terrain;

/**
 * A block whose right click opens its window: a furnace (lit or not), a dispenser, a dropper, a
 * hopper, a brewing stand; a player sneaking with something in hand places it instead.
 */
public final class ContainerBlock extends BlockBehaviour {
    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        user.openContainer(x, y, z);
        return true;
    }
}
