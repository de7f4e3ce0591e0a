package net.cubeworks.world;

import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Logger;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.storage.StorageLog;
import net.cubeworks.world.storage.StoredColumn;
import net.cubeworks.world.storage.StoredItem;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.WorldStorage;

/** The world kept in a folder as the 1.7.2 server keeps it, through {@link WorldStorage}. */
final class AnvilStore implements WorldStore {
    private final WorldStorage storage;

    AnvilStore(File folder, final Logger logger) {
        storage = new WorldStorage(folder, new StorageLog() {
            public void warn(String message) {
                logger.warning(message);
            }
        });
    }

    public LevelData loadLevel() {
        StoredLevel s = storage.loadLevel();
        if (s == null) {
            return null;
        }
        LevelData l = new LevelData();
        if (s.spawnY >= 0 && s.spawnY < 256 && Math.abs(s.spawnX) < GameWorld.MAX_COORD
                && Math.abs(s.spawnZ) < GameWorld.MAX_COORD) {
            l.spawnX = s.spawnX;
            l.spawnY = s.spawnY;
            l.spawnZ = s.spawnZ;
        }
        l.time = s.time;
        l.dayTime = s.dayTime;
        l.gameType = s.gameType;
        l.hardcore = s.hardcore;
        l.levelName = s.levelName;
        l.kept = s;
        return l;
    }

    public void saveLevel(LevelData l) throws IOException {
        StoredLevel s = new StoredLevel();
        if (l.kept instanceof StoredLevel) {
            StoredLevel old = (StoredLevel) l.kept;
            s.seed = old.seed;
            s.kept = old.kept;
        }
        s.levelName = l.levelName;
        s.spawnX = l.spawnX;
        s.spawnY = l.spawnY;
        s.spawnZ = l.spawnZ;
        s.time = l.time;
        s.dayTime = l.dayTime;
        s.gameType = l.gameType;
        s.hardcore = l.hardcore;
        storage.saveLevel(s);
    }

    public Column loadColumn(int cx, int cz) {
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
        c.kept = s.kept;
        c.lastUpdate = s.lastUpdate;
        return c;
    }

    /** Converts copies made under the server lock; called outside it. */
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
                s.blockLight[sy] = new byte[2048];
                s.skyLight[sy] = c.skyLight(sy, heights);
            }
            s.biomes = c.biomes().clone();
            s.lastUpdate = c.lastUpdate;
            s.kept = c.kept;
            out.add(s);
        }
        storage.saveColumns(out);
    }

    /** Player-file slot numbers to window 0: 0-8 hot bar (36-44), 9-35 main, 100-103 boots to helmet (8-5). */
    static int windowSlot(int fileSlot) {
        if (fileSlot >= 0 && fileSlot < 9) {
            return PlayerInventory.HOTBAR + fileSlot;
        }
        if (fileSlot >= 9 && fileSlot < 36) {
            return fileSlot;
        }
        if (fileSlot >= 100 && fileSlot <= 103) {
            return 8 - (fileSlot - 100);
        }
        return -1;
    }

    static int fileSlot(int windowSlot) {
        if (windowSlot >= PlayerInventory.HOTBAR && windowSlot < PlayerInventory.SLOTS) {
            return windowSlot - PlayerInventory.HOTBAR;
        }
        if (windowSlot >= 9 && windowSlot < 36) {
            return windowSlot;
        }
        if (windowSlot >= 5 && windowSlot <= 8) {
            return 100 + (8 - windowSlot);
        }
        return -1;
    }

    public PlayerData loadPlayer(String name) {
        StoredPlayer s = storage.loadPlayer(name);
        if (s == null) {
            return null;
        }
        PlayerData d = new PlayerData();
        d.x = s.x;
        d.y = s.y;
        d.z = s.z;
        d.yaw = s.yaw;
        d.pitch = s.pitch;
        d.gameMode = s.gameMode;
        d.health = s.health;
        d.food = s.food;
        d.saturation = s.saturation;
        d.selectedSlot = s.selectedSlot;
        for (StoredItem item : s.inventory) {
            int slot = windowSlot(item.slot);
            if (slot >= 0 && item.id > 0 && item.id < 32768 && item.count > 0) {
                d.item[slot] = item.id;
                d.count[slot] = Math.min(item.count, 127);
                d.damage[slot] = item.damage;
                d.tag[slot] = item.tag;
            }
        }
        d.kept = s.kept;
        return d;
    }

    public void savePlayer(String name, PlayerData d) throws IOException {
        StoredPlayer s = new StoredPlayer();
        s.x = d.x;
        s.y = d.y;
        s.z = d.z;
        s.yaw = d.yaw;
        s.pitch = d.pitch;
        s.gameMode = d.gameMode;
        s.health = d.health;
        s.food = d.food;
        s.saturation = d.saturation;
        s.selectedSlot = d.selectedSlot;
        for (int i = 0; i < PlayerInventory.SLOTS; i++) {
            int slot = fileSlot(i);
            if (slot >= 0 && d.count[i] > 0 && d.item[i] > 0) {
                StoredItem item = new StoredItem();
                item.slot = slot;
                item.id = d.item[i];
                item.count = d.count[i];
                item.damage = d.damage[i];
                item.tag = d.tag[i];
                s.inventory.add(item);
            }
        }
        s.kept = d.kept;
        storage.savePlayer(name, s);
    }

    public void close() {
        storage.close();
    }
}
