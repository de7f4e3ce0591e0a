package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.Terrain;

/** A hit on the block under or beside a fire, on the face toward it, puts the fire out. */
final class Fire extends BlockBehaviour {
    @Override
    public boolean hitBeside(BlockUser user, Terrain terrain, int x, int y, int z) {
        terrain.setBlock(x, y, z, AIR, 0);
        return true;
    }
}
