package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Sugar cane and cactus: each picked at random with air above counts its age (0 to 15) and at 15
 * grows a block up, to three high. Sugar cane stands on cane, or on grass, dirt or sand with water
 * beside that block; a cactus on cactus or sand, with nothing solid beside it. Where they may not
 * stand they break, giving their items.
 */
final class TallPlants extends BlockBehaviour {
    static final int MAX_HEIGHT = 3;
    private final int id;

    TallPlants(int id) {
        this.id = id;
    }

    /**
     * Placed: sugar cane on cane, or on grass, dirt or sand with water beside that block; a cactus
     * on cactus or sand, with nothing of solid material beside it.
     */
    @Override
    int placedData(PlacedBlock b) {
        int below = b.below();
        if (id == BlockIds.CACTUS) {
            for (int f = 2; f < 6; f++) {
                if (Footing.solidMaterial(b.world.id(b.x + Placement.STEP[f][0], b.y, b.z + Placement.STEP[f][2]))) {
                    return -1;
                }
            }
            return below == BlockIds.CACTUS || below == BlockIds.SAND ? b.variant() : -1;
        }
        if (below == BlockIds.SUGAR_CANE) {
            return b.variant();
        }
        if (below != BlockIds.GRASS && below != BlockIds.DIRT && below != BlockIds.SAND) {
            return -1;
        }
        for (int f = 2; f < 6; f++) {
            if (BlockIds.isWater(b.world.id(b.x + Placement.STEP[f][0], b.y - 1, b.z + Placement.STEP[f][2]))) {
                return b.variant(); // sugar cane grows by water
            }
        }
        return -1;
    }

    @Override
    public boolean ticksRandomly() {
        return true;
    }

    boolean mayStay(BlockWorld w, int x, int y, int z) {
        int under = w.blockAt(x, y - 1, z);
        if (under == id) {
            return id == BlockIds.SUGAR_CANE || sidesFree(w, x, y, z);
        }
        if (id == BlockIds.CACTUS) {
            return under == BlockIds.SAND && sidesFree(w, x, y, z);
        }
        if (under != BlockIds.GRASS && under != BlockIds.DIRT && under != BlockIds.SAND) {
            return false;
        }
        for (int[] s : Liquid.SIDES) {
            if (w.loaded(x + s[0], z + s[1]) && BlockIds.isWater(w.blockAt(x + s[0], y - 1, z + s[1]))) {
                return true;
            }
        }
        return false;
    }

    private static boolean sidesFree(BlockWorld w, int x, int y, int z) {
        for (int[] s : Liquid.SIDES) {
            if (w.loaded(x + s[0], z + s[1]) && Liquid.solid(w.blockAt(x + s[0], y, z + s[1]))) {
                return false;
            }
        }
        return true;
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        Crops.breakIfUnheld(w, x, y, z, mayStay(w, x, y, z));
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        if (Crops.breakIfUnheld(w, x, y, z, mayStay(w, x, y, z)) || y >= 255 || w.blockAt(x, y + 1, z) != BlockIds.AIR) {
            return;
        }
        int height = 1;
        while (height < MAX_HEIGHT && w.blockAt(x, y - height, z) == id) {
            height++;
        }
        if (height >= MAX_HEIGHT) {
            return;
        }
        int age = w.metaAt(x, y, z);
        if (age < 15) {
            w.setBlockQuietly(x, y, z, id, age + 1);
            return;
        }
        int[] to = GrowthEvents.grow(w.host(), w.api(), x, y + 1, z, id, 0);
        if (to != null) {
            w.setBlockQuietly(x, y, z, id, 0);
            w.setBlock(x, y + 1, z, to[0], to[1]);
        }
    }
}
