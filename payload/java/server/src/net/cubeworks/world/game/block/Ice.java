package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * Broken ice held up by a solid block or a liquid melts to water; over air it is simply gone. Ice
 * picked at random in block light above 8 (a torch near) melts into still water (BlockFadeEvent).
 */
final class Ice extends BlockBehaviour {
    /** The block light above which ice melts: 11 less the light ice itself takes. */
    static final int MELTS_ABOVE = 8;

    @Override
    public boolean ticksRandomly() {
        return true;
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        if (w.blockLightAt(x, y, z) > MELTS_ABOVE) {
            int[] to = GrowthEvents.fade(w.host(), w.api(), x, y, z, BlockIds.STILL_WATER, 0);
            if (to != null) {
                w.setBlock(x, y, z, to[0], to[1]);
            }
        }
    }

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
