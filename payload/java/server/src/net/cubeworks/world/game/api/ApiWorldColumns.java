package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.List;
import java.util.function.Supplier;

import org.bukkit.Chunk;
import org.bukkit.ChunkSnapshot;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.world.ColumnKeeping;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.storage.Unavailable;

/**
 * The world's columns as plugins see them: which are in memory, which some player's client was
 * sent (those are in use and stay), reading or making one, the spawn area kept in memory, and
 * copies of a column. A plugin cannot let a column go: the world lets each go itself once nobody
 * sees it.
 */
final class ApiWorldColumns {
    /** The world's face, which the columns' faces and copies name. */
    private final ApiWorld face;
    private final Object lock;
    private final Players players;
    private final ColumnCache cache;
    private final Supplier<LevelState> level;
    /** What of the land stays in memory though nobody sees it. */
    private final ColumnKeeping keeping;

    ApiWorldColumns(ApiWorld face, Object lock, Players players, ColumnCache cache, Supplier<LevelState> level,
            ColumnKeeping keeping) {
        this.face = face;
        this.lock = lock;
        this.players = players;
        this.cache = cache;
        this.level = level;
        this.keeping = keeping;
    }

    /** The columns some player's client was sent. */
    Chunk[] loaded() {
        synchronized (lock) {
            java.util.Set<Long> keys = new java.util.LinkedHashSet<Long>();
            for (OnlinePlayer p : players.inJoinOrder()) {
                for (long k : p.known.toArray()) {
                    keys.add(k);
                }
            }
            List<Chunk> out = new ArrayList<Chunk>();
            for (long k : keys) {
                out.add(new ApiChunk(face, ColumnKey.x(k), ColumnKey.z(k)));
            }
            return out.toArray(new Chunk[out.size()]);
        }
    }

    boolean inMemory(int x, int z) {
        synchronized (lock) {
            return cache.inMemory(ColumnKey.of(x, z));
        }
    }

    /** Whether some player's client was sent the column. */
    boolean inUse(int x, int z) {
        long k = ColumnKey.of(x, z);
        synchronized (lock) {
            for (OnlinePlayer p : players.inJoinOrder()) {
                if (p.known.contains(k)) {
                    return true;
                }
            }
            return false;
        }
    }

    /** Reads (or makes) the column; false when the store cannot read it now. */
    boolean load(int x, int z) {
        synchronized (lock) {
            try {
                cache.resolve(x, z);
                return true;
            } catch (Unavailable e) {
                return false;
            }
        }
    }

    /** Whether the column may go: one in use stays; the world lets the others go when it will. */
    boolean unload(int x, int z) {
        return !inUse(x, z);
    }

    boolean keepsSpawn() {
        return keeping.keepsSpawn();
    }

    /** The columns in view of the spawn stay in memory (while the heap has room for them), or go when nobody sees them. */
    void setKeepSpawn(boolean keep) {
        keeping.setKeepSpawn(keep);
    }

    /** A copy of the column as it is now, under the world lock; flat land for one that cannot be read. */
    ChunkSnapshot snapshot(int cx, int cz, boolean biomes, boolean climate) {
        synchronized (lock) {
            Column c;
            try {
                c = cache.resolve(cx, cz);
            } catch (Unavailable e) {
                c = null;
            }
            Column copy = c == null ? Column.flat(cx, cz) : c.copy();
            return new ApiChunkSnapshot(copy, face.getName(), level.get().time, biomes, climate);
        }
    }

    /** A copy of a column with nothing in it. */
    ChunkSnapshot empty(int x, int z, boolean biomes, boolean climate) {
        return new ApiChunkSnapshot(new Column(x, z), face.getName(), face.getFullTime(), biomes, climate);
    }
}
