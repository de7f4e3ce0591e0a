package net.cubeworks.world.game.world;

import java.util.HashMap;
import java.util.Iterator;
import java.util.Map;

/**
 * Columns being read from the store on the compressor thread, by the batch that reads them. A
 * column the world resolves meanwhile loses its entry here, and the batch's late result is
 * dropped then: it could be older than what the world holds by now. Used under the world lock.
 */
final class ColumnLoads {
    private final Map<Long, ColumnBatch> loading = new HashMap<Long, ColumnBatch>();

    /** The batch reading the column now, or null. */
    ColumnBatch loader(long k) {
        return loading.get(k);
    }

    boolean loading(long k) {
        return loading.containsKey(k);
    }

    void start(long k, ColumnBatch batch) {
        loading.put(k, batch);
    }

    /** The world read the column itself: a batch still reading it is overtaken. */
    void overtake(long k) {
        loading.remove(k);
    }

    /** Ends the batch's load of the column; false when the world resolved it meanwhile. */
    boolean finish(long k, ColumnBatch batch) {
        if (loading.get(k) != batch) {
            return false;
        }
        loading.remove(k);
        return true;
    }

    /** Forgets the batches given up: their player left before they ran. */
    void dropAbandoned() {
        Iterator<ColumnBatch> it = loading.values().iterator();
        while (it.hasNext()) {
            if (it.next().over()) {
                it.remove();
            }
        }
    }
}
