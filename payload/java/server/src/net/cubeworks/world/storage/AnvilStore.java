package net.cubeworks.world.storage;

import java.io.File;
import java.io.IOException;
import java.util.List;
import java.util.logging.Logger;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Column;

/**
 * The world kept in a folder as the 1.7.2 server keeps it, through {@link WorldStorage}:
 * the level and players as they are stored, the columns turned from the world's own into
 * their stored sections (with their light, or for a column never lit the sky light of its height map)
 * and block entities, and back.
 */
public final class AnvilStore implements WorldStore {
    private final WorldStorage storage;

    public AnvilStore(File folder, final Logger logger) {
        storage = new WorldStorage(folder, new StorageLog() {
            public void warn(String message) {
                logger.warning(message);
            }
        });
    }

    public StoredLevel loadLevel() {
        return storage.loadLevel();
    }

    public void saveLevel(StoredLevel level) throws IOException {
        storage.saveLevel(level);
    }

    @Override
    public StoredScoreboard loadScoreboard() throws Unavailable {
        return storage.loadScoreboard();
    }

    @Override
    public void saveScoreboard(StoredScoreboard board) throws IOException {
        storage.saveScoreboard(board);
    }

    public Column loadColumn(int cx, int cz) throws Unavailable {
        StoredColumn s = storage.loadColumn(cx, cz);
        if (s == null) {
            return null;
        }
        Column c = new Column(cx, cz);
        for (int sy = 0; sy < 16; sy++) {
            c.setSection(sy, s.blocks[sy], s.data[sy]);
        }
        if (s.biomes != null && s.biomes.length == 256) {
            System.arraycopy(s.biomes, 0, c.biomes(), 0, 256);
        }
        for (BlockEntity e : s.blockEntities) {
            c.putBlockEntity(e);
        }
        c.kept = s.kept;
        c.tileTicks = s.tileTicks.isEmpty() ? null : s.tileTicks;
        c.lastUpdate = s.lastUpdate;
        if (!s.entities.isEmpty()) {
            c.entities = new java.util.ArrayList<Object>(s.entities);
        }
        return c;
    }

    /**
     * Writes the columns (copies made under the world lock, or columns that left the world; called
     * outside it). Each is turned into its stored sections only as the storage comes to it, in
     * arrays this thread keeps: a column at a time, so a save of many makes little garbage.
     */
    public void saveColumns(final List<Column> columns) throws IOException {
        storage.saveColumns(new java.util.AbstractList<StoredColumn>() {
            private final Stored stored = STORED.get();

            public StoredColumn get(int i) {
                return stored.of(columns.get(i));
            }

            public int size() {
                return columns.size();
            }
        });
    }

    /** The arrays of one column as stored, kept per thread; valid until the next column is turned. */
    private static final class Stored {
        final byte[][] blocks = new byte[16][4096];
        final byte[][] data = new byte[16][2048];
        final byte[][] blockLight = new byte[16][2048];
        final byte[][] skyLight = new byte[16][2048];

        /** The column as stored, in this thread's arrays (the next call writes over them). */
        StoredColumn of(Column c) {
            StoredColumn s = new StoredColumn(c.x, c.z);
            int[] heights = c.lit() ? null : c.heightMap();
            for (int sy = 0; sy < 16; sy++) {
                if (!c.sectionBlocks(sy, blocks[sy])) {
                    continue;
                }
                s.blocks[sy] = blocks[sy];
                c.sectionMeta(sy, data[sy]);
                s.data[sy] = data[sy];
                if (c.lit()) {
                    s.blockLight[sy] = c.sectionBlockLight(sy);
                    s.skyLight[sy] = c.sectionSkyLight(sy);
                } else {
                    java.util.Arrays.fill(blockLight[sy], (byte) 0);
                    s.blockLight[sy] = blockLight[sy];
                    s.skyLight[sy] = c.skyLight(sy, heights);
                }
            }
            s.biomes = c.biomes().clone();
            s.lastUpdate = c.lastUpdate;
            s.blockEntities.addAll(c.blockEntities());
            s.kept = c.kept;
            if (c.entities != null) {
                for (Object e : c.entities) {
                    if (e instanceof NbtCompound) {
                        s.entities.add((NbtCompound) e);
                    }
                }
            }
            if (c.tileTicks != null) {
                s.tileTicks.addAll(c.tileTicks);
            }
            return s;
        }
    }

    private static final ThreadLocal<Stored> STORED = new ThreadLocal<Stored>() {
        protected Stored initialValue() {
            return new Stored();
        }
    };

    public StoredPlayer loadPlayer(String name) throws Unavailable {
        return storage.loadPlayer(name);
    }

    public void savePlayer(String name, StoredPlayer player) throws IOException {
        storage.savePlayer(name, player);
    }

    public String whyNotWritable() {
        return storage.whyNotWritable();
    }

    public void close() {
        storage.close();
    }
}
