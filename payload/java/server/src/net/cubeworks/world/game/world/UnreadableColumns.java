package net.cubeworks.world.game.world;

import java.util.HashMap;
import java.util.Iterator;
import java.util.Map;

import net.cubeworks.world.util.LongSet;

/**
 * Columns the store could not read, each with the time (System.nanoTime) before which it is not
 * asked again. They are neither played as new land nor written: nothing is adopted for them.
 * Used under the world lock.
 */
public final class UnreadableColumns {
    /** How long a column that could not be read is not asked for again (tests shorten it). */
    public static volatile long retryNanos = 5000000000L;

    private final Map<Long, Long> retryAt = new HashMap<Long, Long>();

    /** The store could not read the column: it is not asked again for a while. */
    void cannotRead(long k) {
        retryAt.put(k, System.nanoTime() + retryNanos);
    }

    /** True when the column was read, or may be tried now. */
    boolean mayTry(long k) {
        Long retry = retryAt.get(k);
        return retry == null || System.nanoTime() - retry >= 0;
    }

    /** The column was read, or left the world: it is asked for as any other. */
    void forget(long k) {
        retryAt.remove(k);
    }

    /** Forgets those nobody sees. */
    void keepOnly(LongSet seen) {
        Iterator<Long> u = retryAt.keySet().iterator();
        while (u.hasNext()) {
            if (!seen.contains(u.next())) {
                u.remove();
            }
        }
    }
}
