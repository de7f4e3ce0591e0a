package org.bukkit;

import org.bukkit.block.Block;
import org.bukkit.block.BlockState;
import org.bukkit.entity.Entity;

/** A column of 16 by 16 blocks, the whole height of the world. */
public interface Chunk {
    int getX();

    int getZ();

    World getWorld();

    /** The block at x, z (0 to 15) and y of this column. */
    Block getBlock(int x, int y, int z);

    Entity[] getEntities();

    BlockState[] getTileEntities();

    boolean isLoaded();

    boolean load(boolean generate);

    boolean load();

    boolean unload(boolean save, boolean safe);

    boolean unload(boolean save);

    boolean unload();

    // --- copies ---

    /** A copy of the column now, with its biomes, to read from any thread. */
    ChunkSnapshot getChunkSnapshot();

    ChunkSnapshot getChunkSnapshot(boolean includeMaxblocky, boolean includeBiome, boolean includeBiomeTempRain);
}
