package net.cubeworks.world.game.api;

import java.util.EnumMap;
import java.util.Map;

import org.bukkit.block.Biome;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.ChunkPackets;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.player.Players;

/**
 * The plugin API's biomes over the biome arrays of the world's columns (one byte a place, z
 * times 16 plus x, the game's ids), with each biome's temperature and rainfall as the game
 * has them. A changed biome is saved with its column and the column sent again to everybody
 * who has it, since a client learns biomes only with a whole column.
 */
public final class ApiBiomes {
    private final ColumnCache cache;
    private final WorldBlocks blocks;
    private final GameThread thread;
    private final Players players;
    /** Columns whose biomes changed and are yet to be sent again; used on the game thread only. */
    private final java.util.Set<Long> resend = new java.util.HashSet<Long>();
    private static final Map<Biome, double[]> INFO = new EnumMap<Biome, double[]>(Biome.class);
    private static final Biome[] BY_ID = new Biome[256];

    static {
        // game id, temperature, rainfall
        put(Biome.OCEAN, 0, 0.5, 0.5);
        put(Biome.PLAINS, 1, 0.8, 0.4);
        put(Biome.DESERT, 2, 2.0, 0.0);
        put(Biome.EXTREME_HILLS, 3, 0.2, 0.3);
        put(Biome.FOREST, 4, 0.7, 0.8);
        put(Biome.TAIGA, 5, 0.25, 0.8);
        put(Biome.SWAMPLAND, 6, 0.8, 0.9);
        put(Biome.RIVER, 7, 0.5, 0.5);
        put(Biome.HELL, 8, 2.0, 0.0);
        put(Biome.SKY, 9, 0.5, 0.5);
        put(Biome.FROZEN_OCEAN, 10, 0.0, 0.5);
        put(Biome.FROZEN_RIVER, 11, 0.0, 0.5);
        put(Biome.ICE_PLAINS, 12, 0.0, 0.5);
        put(Biome.ICE_MOUNTAINS, 13, 0.0, 0.5);
        put(Biome.MUSHROOM_ISLAND, 14, 0.9, 1.0);
        put(Biome.MUSHROOM_SHORE, 15, 0.9, 1.0);
        put(Biome.BEACH, 16, 0.8, 0.4);
        put(Biome.DESERT_HILLS, 17, 2.0, 0.0);
        put(Biome.FOREST_HILLS, 18, 0.7, 0.8);
        put(Biome.TAIGA_HILLS, 19, 0.25, 0.8);
        put(Biome.SMALL_MOUNTAINS, 20, 0.2, 0.3);
        put(Biome.JUNGLE, 21, 0.95, 0.9);
        put(Biome.JUNGLE_HILLS, 22, 0.95, 0.9);
        put(Biome.JUNGLE_EDGE, 23, 0.95, 0.8);
        put(Biome.DEEP_OCEAN, 24, 0.5, 0.5);
        put(Biome.STONE_BEACH, 25, 0.2, 0.3);
        put(Biome.COLD_BEACH, 26, 0.05, 0.3);
        put(Biome.BIRCH_FOREST, 27, 0.6, 0.6);
        put(Biome.BIRCH_FOREST_HILLS, 28, 0.6, 0.6);
        put(Biome.ROOFED_FOREST, 29, 0.7, 0.8);
        put(Biome.COLD_TAIGA, 30, -0.5, 0.4);
        put(Biome.COLD_TAIGA_HILLS, 31, -0.5, 0.4);
        put(Biome.MEGA_TAIGA, 32, 0.3, 0.8);
        put(Biome.MEGA_TAIGA_HILLS, 33, 0.3, 0.8);
        put(Biome.EXTREME_HILLS_PLUS, 34, 0.2, 0.3);
        put(Biome.SAVANNA, 35, 1.2, 0.0);
        put(Biome.SAVANNA_PLATEAU, 36, 1.0, 0.0);
        put(Biome.MESA, 37, 2.0, 0.0);
        put(Biome.MESA_PLATEAU_FOREST, 38, 2.0, 0.0);
        put(Biome.MESA_PLATEAU, 39, 2.0, 0.0);
        // the rarer forms, 128 above the biome they vary
        put(Biome.SUNFLOWER_PLAINS, 129, 0.8, 0.4);
        put(Biome.DESERT_MOUNTAINS, 130, 2.0, 0.0);
        put(Biome.EXTREME_HILLS_MOUNTAINS, 131, 0.2, 0.3);
        put(Biome.FLOWER_FOREST, 132, 0.7, 0.8);
        put(Biome.TAIGA_MOUNTAINS, 133, 0.25, 0.8);
        put(Biome.SWAMPLAND_MOUNTAINS, 134, 0.8, 0.9);
        put(Biome.ICE_PLAINS_SPIKES, 140, 0.0, 0.5);
        put(Biome.JUNGLE_MOUNTAINS, 149, 0.95, 0.9);
        put(Biome.JUNGLE_EDGE_MOUNTAINS, 151, 0.95, 0.8);
        put(Biome.BIRCH_FOREST_MOUNTAINS, 155, 0.6, 0.6);
        put(Biome.BIRCH_FOREST_HILLS_MOUNTAINS, 156, 0.6, 0.6);
        put(Biome.ROOFED_FOREST_MOUNTAINS, 157, 0.7, 0.8);
        put(Biome.COLD_TAIGA_MOUNTAINS, 158, -0.5, 0.4);
        put(Biome.MEGA_SPRUCE_TAIGA, 160, 0.25, 0.8);
        put(Biome.MEGA_SPRUCE_TAIGA_HILLS, 161, 0.25, 0.8);
        put(Biome.EXTREME_HILLS_PLUS_MOUNTAINS, 162, 0.2, 0.3);
        put(Biome.SAVANNA_MOUNTAINS, 163, 1.1, 0.0);
        put(Biome.SAVANNA_PLATEAU_MOUNTAINS, 164, 1.0, 0.0);
        put(Biome.MESA_BRYCE, 165, 2.0, 0.0);
        put(Biome.MESA_PLATEAU_FOREST_MOUNTAINS, 166, 2.0, 0.0);
        put(Biome.MESA_PLATEAU_MOUNTAINS, 167, 2.0, 0.0);
    }

    private static void put(Biome b, int id, double temperature, double rainfall) {
        INFO.put(b, new double[] {id, temperature, rainfall});
        BY_ID[id] = b;
    }

    ApiBiomes(ColumnCache cache, WorldBlocks blocks, GameThread thread, Players players) {
        this.cache = cache;
        this.blocks = blocks;
        this.thread = thread;
        this.players = players;
    }

    static int id(Biome b) {
        return (int) INFO.get(b)[0];
    }

    /** The biome of a game id; plains for an id the game does not have (as the client shows it). */
    static Biome of(int id) {
        Biome b = id >= 0 && id < 256 ? BY_ID[id] : null;
        return b == null ? Biome.PLAINS : b;
    }

    static double temperature(Biome b) {
        return INFO.get(b)[1];
    }

    static double rainfall(Biome b) {
        return INFO.get(b)[2];
    }

    /** Under the world lock: the biome at the place; plains where the column cannot be read or was never made. */
    Biome at(int x, int z) {
        try {
            Column c = cache.resolve(x >> 4, z >> 4);
            return c == null ? Biome.PLAINS : of(c.biomes()[(z & 15) << 4 | (x & 15)] & 0xff);
        } catch (Unavailable e) {
            return Biome.PLAINS;
        }
    }

    /**
     * On the game thread: sets the biome at the place, marks the column for saving and sends it
     * again to everybody who knows it. Nothing changes where the column cannot be read.
     */
    void set(int x, int z, Biome biome) {
        if (biome == null) {
            throw new IllegalArgumentException("Biome cannot be null");
        }
        // writing the bedrock back as it is makes a never-changed column real and marks it for saving
        int bottom = blocks.blockAt(x, 0, z);
        int bottomData = blocks.metaAt(x, 0, z);
        if (blocks.setBlockUnseen(x, 0, z, bottom, bottomData) == WorldBlocks.NO_COLUMN) {
            return;
        }
        Column c;
        try {
            c = cache.resolve(x >> 4, z >> 4);
        } catch (Unavailable e) {
            return;
        }
        if (c == null) {
            return;
        }
        c.biomes()[(z & 15) << 4 | (x & 15)] = (byte) id(biome);
        // and once more after the change, so the column's send form is made anew
        final long k = blocks.setBlockUnseen(x, 0, z, bottom, bottomData);
        if (resend.add(k)) {
            // a plugin changing a whole area sends each column once, after the work that changed it
            thread.submit(new Runnable() {
                public void run() {
                    resend.remove(k);
                    resend(k);
                }
            });
        }
    }

    private void resend(long k) {
        Column c;
        try {
            c = cache.resolve(ColumnKey.x(k), ColumnKey.z(k));
        } catch (Unavailable e) {
            return;
        }
        if (c == null) {
            return;
        }
        java.util.List<byte[]> frames = null;
        for (OnlinePlayer p : players.inJoinOrder()) {
            if (p.known.contains(k)) {
                if (frames == null) {
                    frames = ChunkPackets.bulkFrames(java.util.Collections.singletonList(ChunkPackets.Entry.of(c)));
                    frames.addAll(ChunkPackets.signFrames(c)); // the client drops a column's signs with it
                }
                for (byte[] f : frames) {
                    p.connection().sendFrame(f);
                }
            }
        }
    }
}
