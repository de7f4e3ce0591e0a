package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/** Broken ice held up by a solid block or a liquid melts to water; over air it is simply gone. */
final class Ice extends BlockBehaviour {
    @Override
    public int leftAfterBreak(Terrain terrain, int x, int y, int z) {
        if (y <= 0) {
            return AIR;
        }
        int below = terrain.blockAt(x, y - 1, z);
        String m = BlockTable.of(below).material;
        return BlockRules.solid(below) || m.equals("water") || m.equals("lava") ? BlockIds.WATER : AIR;
    }
}
