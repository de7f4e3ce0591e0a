package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockLight;

/**
 * Grass: picked at random, it dies into dirt in the dark under a block that takes light (light
 * below 4 above it), and in light of 9 or more spreads four times to a random dirt block within
 * one block beside it, three below or one above, that has light of 4 or more and little shade above.
 */
final class Grass extends BlockBehaviour {
    @Override
    public boolean ticksRandomly() {
        return true;
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        int above = w.blockAt(x, y + 1, z);
        int light = w.lightAt(x, y + 1, z);
        if (light < 4 && BlockLight.opacity(above) > 2) {
            int[] to = GrowthEvents.fade(w.host(), w.api(), x, y, z, BlockIds.DIRT, 0);
            if (to != null) {
                w.setBlock(x, y, z, to[0], to[1]);
            }
            return;
        }
        if (light < 9) {
            return;
        }
        for (int i = 0; i < 4; i++) {
            int tx = x + random.nextInt(3) - 1;
            int ty = y + random.nextInt(5) - 3;
            int tz = z + random.nextInt(3) - 1;
            if (ty < 0 || ty > 254 || !w.loaded(tx, tz)) {
                continue;
            }
            if (w.blockAt(tx, ty, tz) == BlockIds.DIRT && w.metaAt(tx, ty, tz) == 0 && w.lightAt(tx, ty + 1, tz) >= 4
                    && BlockLight.opacity(w.blockAt(tx, ty + 1, tz)) <= 2) {
                int[] to = GrowthEvents.spread(w.host(), w.api(), tx, ty, tz, x, y, z, BlockIds.GRASS, 0);
                if (to != null) {
                    w.setBlock(tx, ty, tz, to[0], to[1]);
                }
            }
        }
    }
}
