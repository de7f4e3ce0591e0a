package org.bukkit.generator;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.block.Biome;

/**
 * A plugin's maker of new land, column by column. A generator overrides one of the generate
 * forms; the others stand for it by default. Worlds here keep the server's own generator, so a
 * plugin's generator may be declared and handed out but makes no land of this server's world.
 */
public abstract class ChunkGenerator {
    /** The biomes of the column being made, x and z 0 to 15. */
    public interface BiomeGrid {
        Biome getBiome(int x, int z);

        void setBiome(int x, int z, Biome bio);
    }

    /** The column's block ids, index (x * 16 + z) * 128 + y, 128 high; the oldest form. */
    @Deprecated
    public byte[] generate(World world, Random random, int x, int z) {
        throw new UnsupportedOperationException("Custom generator is missing required methods: generate(), generateBlockSections() or generateExtBlockSections()");
    }

    /** Sections of 4096 ids (index (y * 16 + z) * 16 + x), null for an empty one; ids above 255 allowed. */
    public short[][] generateExtBlockSections(World world, Random random, int x, int z, BiomeGrid biomes) {
        return null;
    }

    /** As generateExtBlockSections, for ids up to 255. */
    public byte[][] generateBlockSections(World world, Random random, int x, int z, BiomeGrid biomes) {
        return null;
    }

    /** Whether a player may spawn on the column's surface there. */
    public boolean canSpawn(World world, int x, int z) {
        return true;
    }

    public List<BlockPopulator> getDefaultPopulators(World world) {
        return new ArrayList<BlockPopulator>();
    }

    /** A fixed spawn point for worlds of this generator, or null to let the server choose. */
    public Location getFixedSpawnLocation(World world, Random random) {
        return null;
    }
}
