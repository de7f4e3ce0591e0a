package net.cubeworks.world.game.block;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * What the weather does to blocks. Where it rains under the open sky, fire goes out: a fire that
 * acts while rain falls on it or on a block beside it dies (not on netherrack). Where the biome
 * is cold enough to snow (0.15 or below at the height), each column near a player picks a block
 * column now and then (with freezing, once in sixteen ticks) and a layer of snow forms on its top
 * while it snows, where the block light is below 10 and the ground holds snow (BlockFormEvent).
 */
final class Weathering {
    /** The biomes where it never rains: deserts, savannas, mesas, the Nether and the End. */
    private static final int[] DRY = {2, 8, 9, 17, 35, 36, 37, 38, 39, 130, 163, 164, 165, 166, 167};

    private Weathering() {
    }

    /** True when rain (not snow) falls in the biome at the height. */
    static boolean rainy(int biome, int y) {
        for (int b : DRY) {
            if (b == biome) {
                return false;
            }
        }
        return Freezing.temperature(biome, y) > 0.15f;
    }

    /** True when rain is falling on the block: it rains, the block is under the open sky, and the biome has rain. */
    static boolean rainOn(BlockWorld w, int x, int y, int z) {
        return w.raining() && y >= 0 && y <= 255 && w.loaded(x, z) && w.skyLightAt(x, y, z) >= 15
                && rainy(w.biomeAt(x, z), y);
    }

    /** True when rain puts out a fire at x, y, z: it falls on the fire or on a block beside it. */
    static boolean putsOut(BlockWorld w, int x, int y, int z) {
        return w.raining() && (rainOn(w, x, y, z) || rainOn(w, x - 1, y, z) || rainOn(w, x + 1, y, z)
                || rainOn(w, x, y, z - 1) || rainOn(w, x, y, z + 1));
    }

    /** While it snows: a layer of snow forms in the air at x, y, z where it is cold and the ground under holds it. */
    static void snow(BlockWorld w, int x, int y, int z) {
        if (y < 1 || y > 255 || Freezing.temperature(w.biomeAt(x, z), y) > 0.15f || w.blockLightAt(x, y, z) >= 10
                || w.blockAt(x, y, z) != BlockIds.AIR || !Attached.holds(w, BlockIds.SNOW_LAYER, 0, x, y, z)) {
            return;
        }
        int[] to = GrowthEvents.form(w.host(), w.api(), x, y, z, BlockIds.SNOW_LAYER, 0);
        if (to != null) {
            w.setBlock(x, y, z, to[0], to[1]);
        }
    }
}
