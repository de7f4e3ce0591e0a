package org.bukkit;

import org.bukkit.block.Biome;

/**
 * A copy of one column taken at a moment, to be read from any thread while the world goes on.
 * Coordinates are inside the column: x and z 0 to 15, y 0 to 255.
 */
public interface ChunkSnapshot {
    int getX();

    int getZ();

    String getWorldName();

    @Deprecated
    int getBlockTypeId(int x, int y, int z);

    @Deprecated
    int getBlockData(int x, int y, int z);

    int getBlockSkyLight(int x, int y, int z);

    int getBlockEmittedLight(int x, int y, int z);

    /** One above the highest block that is not air, 0 when the column is all air there. */
    int getHighestBlockYAt(int x, int z);

    Biome getBiome(int x, int z);

    double getRawBiomeTemperature(int x, int z);

    double getRawBiomeRainfall(int x, int z);

    /** The world's full time when the copy was taken. */
    long getCaptureFullTime();

    /** True when the section of 16 high (0 to 15) has no block but air. */
    boolean isSectionEmpty(int sy);
}
