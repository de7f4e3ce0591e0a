package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Farmland, made by a hoe on dirt or grass: wet (7) while water is within four blocks beside it
 * (at its height or one above), drying a step each time it is picked at random otherwise, and
 * dirt again once dry with no crop on it. A solid block put on it makes it dirt.
 */
final class Farmland extends BlockBehaviour {
    static final int WET = 7;

    @Override
    public boolean ticksRandomly() {
        return true;
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        int moisture = w.metaAt(x, y, z);
        if (waterNear(w, x, y, z)) {
            if (moisture != WET) {
                w.setBlockQuietly(x, y, z, BlockIds.FARMLAND, WET);
            }
        } else if (moisture > 0) {
            w.setBlockQuietly(x, y, z, BlockIds.FARMLAND, moisture - 1);
        } else if (!cropOn(w.blockAt(x, y + 1, z))) {
            toDirt(w, x, y, z);
        }
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        if (Liquid.solid(w.blockAt(x, y + 1, z))) {
            toDirt(w, x, y, z);
        }
    }

    static void toDirt(BlockWorld w, int x, int y, int z) {
        int[] to = GrowthEvents.fade(w.host(), w.api(), x, y, z, BlockIds.DIRT, 0);
        if (to != null) {
            w.setBlock(x, y, z, to[0], to[1]);
        }
    }

    static boolean cropOn(int id) {
        return id == BlockIds.WHEAT || id == BlockIds.CARROTS || id == BlockIds.POTATOES
                || id == BlockIds.PUMPKIN_STEM || id == BlockIds.MELON_STEM;
    }

    static boolean waterNear(BlockWorld w, int x, int y, int z) {
        for (int dx = -4; dx <= 4; dx++) {
            for (int dz = -4; dz <= 4; dz++) {
                if (!w.loaded(x + dx, z + dz)) {
                    continue;
                }
                for (int dy = 0; dy <= 1; dy++) {
                    if (BlockIds.isWater(w.blockAt(x + dx, y + dy, z + dz))) {
                        return true;
                    }
                }
            }
        }
        return false;
    }
}
