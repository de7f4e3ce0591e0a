package net.cubeworks.world.storage;

import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
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
        return c;
    }

    /** Converts copies made under the world lock; called outside it. */
    public void saveColumns(List<Column> columns) throws IOException {
        List<StoredColumn> out = new ArrayList<StoredColumn>(columns.size());
        for (Column c : columns) {
            StoredColumn s = new StoredColumn(c.x, c.z);
            int[] heights = c.heightMap();
            for (int sy = 0; sy < 16; sy++) {
                if (c.sectionBlocks(sy) == null) {
                    continue;
                }
                s.blocks[sy] = c.sectionBlocks(sy);
                s.data[sy] = c.sectionMeta(sy);
                if (c.lit()) {
                    s.blockLight[sy] = c.sectionBlockLight(sy);
                    s.skyLight[sy] = c.sectionSkyLight(sy);
                } else {
                    s.blockLight[sy] = new byte[2048];
                    s.skyLight[sy] = c.skyLight(sy, heights);
                }
            }
            s.biomes = c.biomes().clone();
            s.lastUpdate = c.lastUpdate;
            s.blockEntities.addAll(c.blockEntities());
            s.kept = c.kept;
            if (c.tileTicks != null) {
                s.tileTicks.addAll(c.tileTicks);
            }
            out.add(s);
        }
        storage.saveColumns(out);
    }

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
