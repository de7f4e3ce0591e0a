package net.cubeworks.world;

import java.io.IOException;
import java.util.List;

import net.cubeworks.world.level.Column;

/**
 * Where the world is kept between runs. Loads may return null (nothing kept, or what was
 * kept is broken and has been reported); saves are called with copies, outside the
 * server lock, from one thread at a time. Columns are loaded both under the server lock and
 * outside it on the compressor thread, at the same time as a save may run.
 */
interface WorldStore {
    LevelData loadLevel();

    void saveLevel(LevelData level) throws IOException;

    Column loadColumn(int cx, int cz);

    void saveColumns(List<Column> columns) throws IOException;

    PlayerData loadPlayer(String name);

    void savePlayer(String name, PlayerData player) throws IOException;

    void close();

    /** The level as the world uses it: spawn point and time. */
    final class LevelData {
        int spawnX;
        int spawnY = Column.FLAT_HEIGHT;
        int spawnZ;
        long time;
        long dayTime;
        int gameType;
        boolean hardcore;
        String levelName = "world";
        /** The store's own record, handed back on save. */
        Object kept;
    }

    /** One player as kept: place, look, mode, health and the inventory in window slot numbers. */
    final class PlayerData {
        double x;
        double y;
        double z;
        float yaw;
        float pitch;
        int gameMode;
        float health = 20f;
        int food = 20;
        float saturation = 5f;
        int selectedSlot;
        final int[] item = new int[PlayerInventory.SLOTS];
        final int[] count = new int[PlayerInventory.SLOTS];
        final int[] damage = new int[PlayerInventory.SLOTS];
        final Object[] tag = new Object[PlayerInventory.SLOTS];
        Object kept;
    }

    /** Keeps nothing: every column is generated, every player new. */
    final class None implements WorldStore {
        public LevelData loadLevel() {
            return null;
        }

        public void saveLevel(LevelData level) {
        }

        public Column loadColumn(int cx, int cz) {
            return null;
        }

        public void saveColumns(List<Column> columns) {
        }

        public PlayerData loadPlayer(String name) {
            return null;
        }

        public void savePlayer(String name, PlayerData player) {
        }

        public void close() {
        }
    }
}
