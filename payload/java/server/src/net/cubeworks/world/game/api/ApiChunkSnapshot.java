package net.cubeworks.world.game.api;

import org.bukkit.ChunkSnapshot;
import org.bukkit.block.Biome;

import net.cubeworks.world.level.Column;

/**
 * A copy of a column taken under the world lock (the column's own copy-on-write copy, so
 * taking it costs little), read from any thread afterwards. A column never made (flat land the
 * world has not changed) is copied as the flat column it reads as.
 */
public final class ApiChunkSnapshot implements ChunkSnapshot {
    private final Column column;
    private final String worldName;
    private final long fullTime;
    private final boolean withBiomes;
    private final boolean withClimate;

    ApiChunkSnapshot(Column column, String worldName, long fullTime, boolean withBiomes, boolean withClimate) {
        this.column = column;
        this.worldName = worldName;
        this.fullTime = fullTime;
        this.withBiomes = withBiomes;
        this.withClimate = withClimate;
    }

    public int getX() {
        return column.x;
    }

    public int getZ() {
        return column.z;
    }

    public String getWorldName() {
        return worldName;
    }

    public int getBlockTypeId(int x, int y, int z) {
        return column.block(x & 15, y, z & 15);
    }

    public int getBlockData(int x, int y, int z) {
        return column.meta(x & 15, y, z & 15);
    }

    public int getBlockSkyLight(int x, int y, int z) {
        return column.sky(x & 15, y, z & 15);
    }

    public int getBlockEmittedLight(int x, int y, int z) {
        return column.blockLight(x & 15, y, z & 15);
    }

    public int getHighestBlockYAt(int x, int z) {
        return column.height(x & 15, z & 15);
    }

    /** The biome when the copy was asked with biomes; else null, as for any server. */
    public Biome getBiome(int x, int z) {
        return withBiomes ? ApiBiomes.of(column.biomes()[(z & 15) << 4 | (x & 15)] & 0xff) : null;
    }

    public double getRawBiomeTemperature(int x, int z) {
        return withClimate ? ApiBiomes.temperature(ApiBiomes.of(column.biomes()[(z & 15) << 4 | (x & 15)] & 0xff)) : 0;
    }

    public double getRawBiomeRainfall(int x, int z) {
        return withClimate ? ApiBiomes.rainfall(ApiBiomes.of(column.biomes()[(z & 15) << 4 | (x & 15)] & 0xff)) : 0;
    }

    public long getCaptureFullTime() {
        return fullTime;
    }

    public boolean isSectionEmpty(int sy) {
        return (column.sectionMask() & (1 << sy)) == 0;
    }
}
