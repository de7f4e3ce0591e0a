package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.Column;

/**
 * Water freezing by the biome, as the game does it: once in sixteen ticks each column near a
 * player picks a block column, and still water (a source) on top of it freezes to ice where the
 * biome is cold enough there (0.15 or below; the air cools by 0.05 every 30 blocks above 64), the
 * block light is below 10 and the water has a side that is not water (BlockFormEvent).
 */
final class Freezing {
    /** The game's temperatures of the biome ids of 1.7, 0 to 39 (the mutated ones, +128, as their own). */
    private static final float[] TEMPERATURE = {
        0.5f, 0.8f, 2.0f, 0.2f, 0.7f, 0.25f, 0.8f, 0.5f, 2.0f, 0.5f,
        0.0f, 0.0f, 0.0f, 0.0f, 0.9f, 0.9f, 0.8f, 2.0f, 0.7f, 0.25f,
        0.2f, 0.95f, 0.95f, 0.95f, 0.5f, 0.2f, 0.05f, 0.6f, 0.6f, 0.7f,
        -0.5f, -0.5f, 0.3f, 0.3f, 0.2f, 1.2f, 1.0f, 2.0f, 2.0f, 2.0f,
    };

    private Freezing() {
    }

    /** The temperature of the biome at a height. */
    static float temperature(int biome, int y) {
        int b = biome >= 128 ? biome - 128 : biome;
        float t = b >= 0 && b < TEMPERATURE.length ? TEMPERATURE[b] : 0.5f;
        return y > 64 ? t - (y - 64) * 0.05f / 30.0f : t;
    }

    /**
     * One column's chance to freeze the water on top of one of its block columns (r: the game's
     * random place), and while it rains to snow on it.
     */
    static void tick(BlockWorld w, Column c, int r, Random random) {
        if (random.nextInt(16) != 0) {
            return;
        }
        int bx = r & 15;
        int bz = r >> 8 & 15;
        int y = c.height(bx, bz) - 1;
        int x = c.x << 4 | bx;
        int z = c.z << 4 | bz;
        freeze(w, x, y, z);
        if (w.raining()) {
            Weathering.snow(w, x, y + 1, z);
        }
    }

    /** Still water on top of the block column freezes where it is cold and dark enough and open beside. */
    private static void freeze(BlockWorld w, int x, int y, int z) {
        if (y < 0 || y > 255 || temperature(w.biomeAt(x, z), y) > 0.15f || w.blockLightAt(x, y + 1, z) >= 10) {
            return;
        }
        int id = w.blockAt(x, y, z);
        if (!BlockIds.isWater(id) || w.metaAt(x, y, z) != 0) {
            return;
        }
        boolean open = false;
        for (int[] s : Liquid.SIDES) {
            open |= w.loaded(x + s[0], z + s[1]) && !BlockIds.isWater(w.blockAt(x + s[0], y, z + s[1]));
        }
        if (!open) {
            return;
        }
        int[] to = GrowthEvents.form(w.host(), w.api(), x, y, z, BlockIds.ICE, 0);
        if (to != null) {
            w.setBlock(x, y, z, to[0], to[1]);
        }
    }
}
