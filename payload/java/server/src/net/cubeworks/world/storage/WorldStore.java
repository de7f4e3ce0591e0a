package net.cubeworks.world.storage;

import java.io.IOException;
import java.util.List;

import net.cubeworks.world.level.Column;

/**
 * Where the world is kept between runs, in the stored records. Loads may return null
 * (nothing kept, or what was kept is broken and has been reported and set aside), or throw
 * Unavailable when what is kept cannot be read now (never to be replaced by anything new
 * then); saves are called with
 * copies, outside the world lock, from one thread at a time. Columns are loaded both under
 * the world lock and outside it on the compressor thread, at the same time as a save may run.
 */
public interface WorldStore {
    StoredLevel loadLevel();

    void saveLevel(StoredLevel level) throws IOException;

    Column loadColumn(int cx, int cz) throws Unavailable;

    void saveColumns(List<Column> columns) throws IOException;

    StoredPlayer loadPlayer(String name) throws Unavailable;

    /** Null when the world can be written now, else why not (said once at start-up). */
    String whyNotWritable();

    void savePlayer(String name, StoredPlayer player) throws IOException;

    /**
     * The main scoreboard as kept, or null when none is kept (or what was kept was broken,
     * reported and set aside); throws Unavailable when what is kept cannot be read now and must
     * not be written over. A store that keeps no scoreboard answers null.
     */
    default StoredScoreboard loadScoreboard() throws Unavailable {
        return null;
    }

    /** Writes the main scoreboard; a store that keeps none does nothing. */
    default void saveScoreboard(StoredScoreboard board) throws IOException {
    }

    void close();

    /** Keeps nothing: every column is generated, every player new. */
    final class None implements WorldStore {
        public StoredLevel loadLevel() {
            return null;
        }

        public void saveLevel(StoredLevel level) {
        }

        public Column loadColumn(int cx, int cz) {
            return null;
        }

        public void saveColumns(List<Column> columns) {
        }

        public StoredPlayer loadPlayer(String name) {
            return null;
        }

        public String whyNotWritable() {
            return null;
        }

        public void savePlayer(String name, StoredPlayer player) {
        }

        public void close() {
        }
    }
}
