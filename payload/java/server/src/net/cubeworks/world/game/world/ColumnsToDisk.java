package net.cubeworks.world.game.world;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ConcurrentMap;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;

/**
 * The columns on their way to the disk: handed to the saver and not yet written (copies of live
 * ones, or columns let go), so one let go meanwhile is not read back stale, and those whose
 * writing failed, written again with the next save. Used from the world's and the saver's threads.
 */
final class ColumnsToDisk {
    private final ConcurrentMap<Long, Column> inFlight = new ConcurrentHashMap<Long, Column>();
    private final List<Column> failed = Collections.synchronizedList(new ArrayList<Column>());

    /** The column is given to the saver. */
    void handed(Column c) {
        inFlight.put(ColumnKey.of(c.x, c.z), c);
    }

    /** On the saver thread: the copies reached the disk, or (failed) are kept for the next save. */
    void written(List<Column> copies, boolean failedToWrite) {
        if (failedToWrite) {
            failed.addAll(copies);
        }
        for (Column c : copies) {
            inFlight.remove(ColumnKey.of(c.x, c.z), c);
        }
    }

    /** The copies whose writing failed, taken: the next save writes them (or the live column). */
    List<Column> takeFailed() {
        synchronized (failed) {
            List<Column> taken = new ArrayList<Column>(failed);
            failed.clear();
            return taken;
        }
    }

    /**
     * A copy of the newest version of a column let go before it reached the disk (being
     * saved, or its save failed), which the store's copy must not replace; null when there
     * is none.
     */
    Column unsaved(long k) {
        Column c = inFlight.get(k);
        if (c == null) {
            // a failed save is added here before its copies leave inFlight
            c = lastFailed(k);
        }
        return c == null ? null : c.copy();
    }

    private Column lastFailed(long k) {
        synchronized (failed) {
            for (int i = failed.size() - 1; i >= 0; i--) {
                Column c = failed.get(i);
                if (ColumnKey.of(c.x, c.z) == k) {
                    return c;
                }
            }
        }
        return null;
    }
}
