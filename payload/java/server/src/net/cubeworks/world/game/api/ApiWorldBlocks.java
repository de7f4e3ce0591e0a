package net.cubeworks.world.game.api;

import java.util.Random;
import java.util.concurrent.Callable;

import org.bukkit.BlockChangeDelegate;
import org.bukkit.TreeType;
import org.bukkit.block.Biome;

import net.cubeworks.world.game.block.WorldBlocks;

/**
 * The world's blocks and biomes as plugins read and change them, and the trees they grow. Reads
 * take the world lock for a moment; changes are carried out on the game thread, so every client
 * that knows the column is sent them as with any other change.
 */
public final class ApiWorldBlocks {
    private final ApiChanges changes;
    private final Object lock;
    private final WorldBlocks blocks;
    private final ApiBiomes biomes;

    ApiWorldBlocks(ApiChanges changes, Object lock, WorldBlocks blocks, ApiBiomes biomes) {
        this.changes = changes;
        this.lock = lock;
        this.blocks = blocks;
        this.biomes = biomes;
    }

    int typeAt(int x, int y, int z) {
        synchronized (lock) {
            return blocks.blockAt(x, y, z);
        }
    }

    int dataAt(int x, int y, int z) {
        synchronized (lock) {
            return blocks.metaAt(x, y, z);
        }
    }

    /** Changes a block for a plugin; without physics the blocks around are not told (nothing flows or falls for it). */
    void set(final int x, final int y, final int z, final int id, final int data, final boolean physics) {
        if (y < 0 || y > 255) {
            return;
        }
        changes.call(new Callable<Void>() {
            public Void call() {
                if (physics) {
                    blocks.setBlock(x, y, z, id, data & 15);
                } else {
                    blocks.setBlockQuietly(x, y, z, id, data & 15);
                }
                return null;
            }
        });
    }

    /** The height above the highest block that is not air; 0 over a column of air. */
    int highestY(int x, int z) {
        synchronized (lock) {
            for (int y = 255; y >= 0; y--) {
                if (blocks.blockAt(x, y, z) != 0) {
                    return y + 1;
                }
            }
            return 0;
        }
    }

    Biome biome(int x, int z) {
        synchronized (lock) {
            return biomes.at(x, z);
        }
    }

    void setBiome(final int x, final int z, final Biome bio) {
        if (bio == null) {
            throw new IllegalArgumentException("Biome cannot be null");
        }
        changes.call(new Callable<Void>() {
            public Void call() {
                biomes.set(x, z, bio);
                return null;
            }
        });
    }

    /** Grows a tree of the kind with its trunk at the place; false where it cannot grow (see ApiTrees). */
    boolean growTree(final int x, final int y, final int z, final TreeType type) {
        return changes.call(new Callable<Boolean>() {
            public Boolean call() {
                return ApiTrees.grow(new ApiTrees.Blocks() {
                    public int typeAt(int bx, int by, int bz) {
                        return blocks.blockAt(bx, by, bz);
                    }

                    public void put(int bx, int by, int bz, int id, int data) {
                        blocks.setBlock(bx, by, bz, id, data);
                    }
                }, x, y, z, type, new Random());
            }
        });
    }

    /** As growTree, the blocks read and put through the plugin's delegate instead (on the caller's thread). */
    static boolean growTree(int x, int y, int z, TreeType type, BlockChangeDelegate delegate) {
        return ApiTrees.grow(ApiTrees.of(delegate), x, y, z, type, new Random());
    }
}
