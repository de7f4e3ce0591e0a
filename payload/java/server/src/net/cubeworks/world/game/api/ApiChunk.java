package net.cubeworks.world.game.api;

import org.bukkit.Chunk;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.block.BlockState;
import org.bukkit.entity.Entity;

import net.cubeworks.world.level.ColumnKey;

/** A column of the world by its column coordinates. */
final class ApiChunk implements Chunk {
    private final ApiWorld world;
    private final int x;
    private final int z;

    ApiChunk(ApiWorld world, int x, int z) {
        this.world = world;
        this.x = x;
        this.z = z;
    }

    public int getX() {
        return x;
    }

    public int getZ() {
        return z;
    }

    public World getWorld() {
        return world;
    }

    public Block getBlock(int bx, int by, int bz) {
        return world.getBlockAt((x << 4) | (bx & 15), by, (z << 4) | (bz & 15));
    }

    /** The entities standing in this column. */
    public Entity[] getEntities() {
        java.util.List<Entity> out = new java.util.ArrayList<Entity>();
        for (Entity e : world.getEntities()) {
            org.bukkit.Location at = e.getLocation();
            if (at.getBlockX() >> 4 == x && at.getBlockZ() >> 4 == z) {
                out.add(e);
            }
        }
        return out.toArray(new Entity[out.size()]);
    }

    /** The states of the column's blocks that have contents (chests, signs, furnaces, ...; see ApiTileStates). */
    public BlockState[] getTileEntities() {
        java.util.List<BlockState> out = new java.util.ArrayList<BlockState>();
        java.util.List<int[]> places = new java.util.ArrayList<int[]>();
        synchronized (world.lock()) {
            for (int y = 0; y < 256; y++) {
                for (int bz = 0; bz < 16; bz++) {
                    for (int bx = 0; bx < 16; bx++) {
                        int id = world.typeAt((x << 4) | bx, y, (z << 4) | bz);
                        if (ApiTileStates.hasContents(id)) {
                            places.add(new int[] {(x << 4) | bx, y, (z << 4) | bz});
                        }
                    }
                }
            }
        }
        for (int[] p : places) {
            out.add(world.getBlockAt(p[0], p[1], p[2]).getState());
        }
        return out.toArray(new BlockState[out.size()]);
    }

    public boolean isLoaded() {
        return world.isChunkLoaded(x, z);
    }

    public boolean load(boolean generate) {
        return world.loadChunk(x, z, generate);
    }

    public boolean load() {
        return load(true);
    }

    public boolean unload(boolean save, boolean safe) {
        return world.unloadChunk(x, z);
    }

    public boolean unload(boolean save) {
        return unload(save, true);
    }

    public boolean unload() {
        return unload(true, true);
    }

    @Override
    public boolean equals(Object o) {
        return o instanceof ApiChunk && ((ApiChunk) o).x == x && ((ApiChunk) o).z == z;
    }

    @Override
    public int hashCode() {
        return (int) ColumnKey.of(x, z) * 31;
    }

    @Override
    public String toString() {
        return "Chunk{x=" + x + ",z=" + z + "}";
    }

    public org.bukkit.ChunkSnapshot getChunkSnapshot() {
        return world.snapshot(x, z, true, false);
    }

    public org.bukkit.ChunkSnapshot getChunkSnapshot(boolean includeMaxblocky, boolean includeBiome,
            boolean includeBiomeTempRain) {
        return world.snapshot(x, z, includeBiome, includeBiomeTempRain);
    }
}
