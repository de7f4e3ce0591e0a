package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.Terrain;

/** A right click opens the table's 3 by 3 grid, unless the player sneaks with something in hand (then he places it). */
final class CraftingTable extends BlockBehaviour {
    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        user.openCraftingTable(x, y, z);
        return true;
    }
}
