package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ConcurrentMap;

import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.generation.FlatGenerator;
import net.cubeworks.world.generation.WorldGenerator;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.ColumnLight;
import net.cubeworks.world.level.Relight;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.util.HeapWatch;
import net.cubeworks.world.util.LongMap;
import net.cubeworks.world.util.LongSet;

/**
 * The columns the world holds: in the default superflat world those that differ from the flat
 * ground (changed, or as kept by the store) and those known to be flat; in any other world every
 * column a player may see, as kept by the store or made by the world's generator (and then
 * saved, so the land stays as it was first seen), and the area around the spawn while the heap
 * has room for it. Also which changed since the last save, and the columns on their way to the
 * disk. A column no player sees any more is let go at the next tick, handed to the saver first
 * when it changed (see {@link #releaseLeftBehind}); what else nobody sees goes with the
 * housekeeping and the saves. Used under the world lock, except where a method says otherwise.
 */
final class ColumnCache {
    private final WorldStore store;
    private final LongMap<Column> columns = new LongMap<Column>(1024);
    /** The column last looked up, and its key: most lookups in a row are in the same column. */
    private long lastKey;
    private Column lastColumn;
    /** Columns the store has been asked about and that are flat. */
    private final LongSet checkedFlat = new LongSet();
    private final LongSet dirty = new LongSet();
    /** Columns some player stopped seeing since the last tick: let go then, unless another sees them. */
    private final LongSet leftBehind = new LongSet();
    /** The area kept in memory around the spawn (centre and radius in columns; radius -1: none). */
    private int spawnX;
    private int spawnZ;
    private int spawnRadius = -1;
    private volatile boolean keepSpawn = true;
    /**
     * Columns handed to the saver and not yet written (copies of live ones, or columns let go),
     * so a column let go meanwhile is not read back stale.
     */
    private final ConcurrentMap<Long, Column> inFlight = new ConcurrentHashMap<Long, Column>();
    /** Copies whose writing failed: written again with the next save. */
    private final List<Column> failed = Collections.synchronizedList(new ArrayList<Column>());
    /**
     * Columns being read from the store on the compressor thread, by the batch that reads
     * them. A column resolved meanwhile loses its entry here, and the batch's late result
     * is dropped then: it could be older than what the world holds by now.
     */
    private final Map<Long, ColumnBatch> loading = new HashMap<Long, ColumnBatch>();
    /**
     * Columns the store could not read, by the time (System.nanoTime) before which it is not
     * asked again. They are neither played as new land nor written: nothing is adopted for them.
     */
    private final Map<Long, Long> unreadable = new HashMap<Long, Long>();
    /** Columns taken into the world since the last tick, {key, 1 if newly made}, noted while a plugin listens. */
    private final List<long[]> loadedSinceTick = new ArrayList<long[]>();
    /** What is asked before a column leaves memory; null lets every column go. */
    private volatile WorldEvents.UnloadCheck unloadCheck;
    /** How long a column that could not be read is not asked for again (tests shorten it). */
    static long retryNanos = 5000000000L;

    /** Makes the columns the store does not have; set before any player joins. */
    private volatile WorldGenerator generator = new FlatGenerator(0, FlatGenerator.DEFAULT_PRESET);
    /** The light of held columns, by block coordinates (see {@link Relight}). */
    private final Relight.Lights lights = new Relight.Lights() {
        public Column column(int x, int z) {
            return ColumnCache.this.column(ColumnKey.of(x >> 4, z >> 4));
        }
    };

    /** The held column of the key, or null. */
    private Column column(long k) {
        if (k == lastKey && lastColumn != null) {
            return lastColumn;
        }
        Column c = columns.get(k);
        if (c != null) {
            lastKey = k;
            lastColumn = c;
        }
        return c;
    }

    private void put(long k, Column c) {
        columns.put(k, c);
        lastColumn = null;
    }

    private Column drop(long k) {
        lastColumn = null;
        return columns.remove(k);
    }

    ColumnCache(WorldStore store) {
        this.store = store;
    }

    void setGenerator(WorldGenerator generator) {
        this.generator = generator;
    }

    WorldGenerator generator() {
        return generator;
    }

    Relight.Lights lights() {
        return lights;
    }

    /** A made column: what the store read, or a new one from the generator; null for the default flat ground. */
    static final class Made {
        final Column column;
        /** True when the generator made it: it is saved once taken into the world. */
        final boolean generated;

        Made(Column column, boolean generated) {
            this.column = column;
            this.generated = generated;
        }
    }

    /**
     * Reads the column from the store, or makes it new when the store has none, lit either way
     * (the default flat world's columns stay as they are: their light follows from the height).
     * Touches nothing of the cache, so it may run on any thread. Throws Unavailable when the
     * store cannot read what it keeps.
     */
    Made make(int cx, int cz) throws Unavailable {
        WorldGenerator g = generator;
        Column c = store.loadColumn(cx, cz);
        if (c == null) {
            return g.flatDefault() ? new Made(null, false) : new Made(g.generate(cx, cz), true);
        }
        if (!c.lit() && !g.flatDefault()) {
            ColumnLight.light(c);
        }
        return new Made(c, false);
    }

    static int flatBlock(int y) {
        if (y == 0) {
            return Column.BEDROCK;
        }
        if (y == 1 || y == 2) {
            return Column.DIRT;
        }
        return y == 3 ? Column.GRASS : 0;
    }

    /**
     * The column, asking the store the first time; null when it is the flat ground. A load
     * of it still under way for a batch is overtaken: the column is read here, at once.
     * Throws Unavailable when the store cannot read it (then, for a while, without asking).
     */
    Column resolve(int cx, int cz) throws Unavailable {
        long k = ColumnKey.of(cx, cz);
        Column c = column(k);
        if (c != null || checkedFlat.contains(k)) {
            return c;
        }
        Long retry = unreadable.get(k);
        if (retry != null && System.nanoTime() - retry < 0) {
            throw new Unavailable("the column (" + cx + ", " + cz + ") cannot be read now", null);
        }
        loading.remove(k);
        c = unsaved(k);
        boolean generated = false;
        if (c == null) {
            try {
                Made m = make(cx, cz);
                c = m.column;
                generated = m.generated;
            } catch (Unavailable e) {
                cannotRead(k);
                throw e;
            }
        }
        unreadable.remove(k);
        adopt(k, c, generated);
        return c;
    }

    /** The store could not read the column: it is not asked again for a while. */
    void cannotRead(long k) {
        unreadable.put(k, System.nanoTime() + retryNanos);
    }

    /** True when the column was read, or may be tried now. */
    boolean mayTry(long k) {
        Long retry = unreadable.get(k);
        return retry == null || System.nanoTime() - retry >= 0;
    }

    /** True when the world knows the column without asking the store. */
    boolean inMemory(long k) {
        return column(k) != null || checkedFlat.contains(k);
    }

    /** The column held in memory, or null (flat, or not asked for yet). */
    Column held(long k) {
        return column(k);
    }

    /** Takes a column into the world: null is the flat ground. */
    void adopt(long k, Column c) {
        adopt(k, c, false);
    }

    /**
     * Takes a column into the world (null: the flat ground), a generated one to be saved, and
     * brings light across its borders with the lit columns beside it that the world holds.
     * Returns true when that changed the column's light.
     */
    boolean adopt(long k, Column c, boolean generated) {
        if (WorldEvents.watchingLoads() && !inMemory(k)) {
            loadedSinceTick.add(new long[] {k, generated ? 1 : 0});
        }
        if (c == null) {
            checkedFlat.add(k);
            return false;
        }
        put(k, c);
        if (spawnRadius >= 0 && atSpawn(k)) {
            c.keepSendCache = true; // every joining player is sent it: compressed once, while it is held
        }
        if (generated) {
            dirty.add(k);
        }
        return c.lit() && lightBorders(c, lights);
    }

    /** Brings light across the borders of the column not yet done, with the neighbours w holds. */
    static boolean lightBorders(Column c, Relight.Lights w) {
        boolean changed = false;
        int[][] sides = {{-1, 0, 1}, {1, 0, 2}, {0, -1, 4}, {0, 1, 8}};
        for (int[] side : sides) {
            if ((c.litBorders & side[2]) != 0) {
                continue;
            }
            Column n = w.column((c.x + side[0]) << 4, (c.z + side[1]) << 4);
            if (n != null && n.lit()) {
                changed |= Relight.acrossBorder(w, c, n);
            }
        }
        return changed;
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

    /** The block; air where the column cannot be read (no player is sent such a column). */
    int blockAt(int x, int y, int z) {
        if (y < 0 || y > 255) {
            return 0;
        }
        try {
            Column c = resolve(x >> 4, z >> 4);
            return c == null ? flatBlock(y) : c.block(x & 15, y, z & 15);
        } catch (Unavailable e) {
            return 0;
        }
    }

    int metaAt(int x, int y, int z) {
        if (y < 0 || y > 255) {
            return 0;
        }
        try {
            Column c = resolve(x >> 4, z >> 4);
            return c == null ? 0 : c.meta(x & 15, y, z & 15);
        } catch (Unavailable e) {
            return 0;
        }
    }

    /**
     * Changes a block and marks its column for saving; returns the column's key. A column the
     * store cannot read is not changed (Unavailable): what it keeps must not be written over.
     */
    long set(int x, int y, int z, int id, int data, long time) throws Unavailable {
        int cx = x >> 4;
        int cz = z >> 4;
        long k = ColumnKey.of(cx, cz);
        Column c = resolve(cx, cz);
        if (c == null) {
            c = Column.flat(cx, cz);
            put(k, c);
            checkedFlat.remove(k);
        }
        c.set(x & 15, y, z & 15, id, data);
        c.lastUpdate = time;
        dirty.add(k);
        if (c.lit()) {
            Relight.around(lights, x, y, z);
        }
        return k;
    }

    /** Marks a column the world holds for saving: what it keeps beside its blocks changed. */
    void changed(long k) {
        if (columns.containsKey(k)) {
            dirty.add(k);
        }
    }

    // --- the loads of column batches ---

    /** The batch reading the column now, or null. */
    ColumnBatch loader(long k) {
        return loading.get(k);
    }

    void startLoad(long k, ColumnBatch batch) {
        loading.put(k, batch);
    }

    /** Ends the batch's load of the column; false when the world resolved it meanwhile. */
    boolean finishLoad(long k, ColumnBatch batch) {
        if (loading.get(k) != batch) {
            return false;
        }
        loading.remove(k);
        return true;
    }

    // --- saving ---

    /**
     * Copies of what changed since the last save and of what failed to save, now on their
     * way to the disk: a column let go meanwhile is read back from these.
     */
    List<Column> takeChanges() {
        List<Column> copies = new ArrayList<Column>();
        synchronized (failed) {
            for (Column c : failed) {
                if (columns.containsKey(ColumnKey.of(c.x, c.z))) {
                    dirty.add(ColumnKey.of(c.x, c.z));
                } else {
                    copies.add(c);
                }
            }
            failed.clear();
        }
        for (LongSet.Cursor it = dirty.cursor(); it.hasNext();) {
            Column c = columns.get(it.next());
            if (c != null) {
                c.compact(); // sections changed past their palette are packed again
                copies.add(c.copy());
            }
        }
        dirty.clear();
        for (Column c : copies) {
            inFlight.put(ColumnKey.of(c.x, c.z), c);
        }
        return copies;
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

    /** The columns taken into the world since the last call, {key, 1 if newly made}. */
    List<long[]> takeLoaded() {
        if (loadedSinceTick.isEmpty()) {
            return Collections.emptyList();
        }
        List<long[]> out = new ArrayList<long[]>(loadedSinceTick);
        loadedSinceTick.clear();
        return out;
    }

    void setUnloadCheck(WorldEvents.UnloadCheck check) {
        unloadCheck = check;
    }

    /**
     * Keeps the columns within the radius of the spawn column in memory while the heap has room,
     * so that a joining player is sent them at once (see {@link #setKeepSpawn}).
     */
    void keepAround(int cx, int cz, int radius) {
        spawnX = cx;
        spawnZ = cz;
        spawnRadius = radius;
    }

    void setKeepSpawn(boolean keep) {
        keepSpawn = keep;
    }

    boolean keepsSpawn() {
        return keepSpawn;
    }

    /**
     * Whether the spawn area is kept now: unless the heap is short of room (more than
     * {@link HeapWatch#HIGH} in use, or land waited for room a moment ago). Asked once a sweep.
     */
    private boolean keepingSpawn() {
        return keepSpawn && spawnRadius >= 0 && !HeapWatch.pressed() && !HeapWatch.above(HeapWatch.HIGH);
    }

    private boolean atSpawn(long k) {
        return Math.abs(ColumnKey.x(k) - spawnX) <= spawnRadius && Math.abs(ColumnKey.z(k) - spawnZ) <= spawnRadius;
    }

    /** A player stopped seeing the column: it is let go at the next tick when nobody sees it then. */
    void leftBehind(long k) {
        leftBehind.add(k);
    }

    /** A player left: the columns it saw go as those it walks away from. */
    void leftBehind(LongSet keys) {
        leftBehind.addAll(keys);
    }

    private static boolean seen(long k, List<OnlinePlayer> players) {
        for (OnlinePlayer p : players) {
            if (p.known.contains(k)) {
                return true;
            }
        }
        return false;
    }

    /**
     * Lets go of the columns players stopped seeing since the last call that nobody sees now,
     * unless they are kept at the spawn or by a plugin (those go with the housekeeping when they
     * may). A column that changed since it was saved leaves the world as it is, with no copy, on
     * its way to the disk: the columns returned are to be written (see {@link #written}).
     */
    List<Column> releaseLeftBehind(List<OnlinePlayer> players, boolean saving) {
        if (leftBehind.isEmpty()) {
            return Collections.emptyList();
        }
        long[] keys = leftBehind.toArray();
        leftBehind.clear();
        WorldEvents.UnloadCheck check = unloadCheck;
        boolean asking = check != null && check.active();
        List<Column> toSave = new ArrayList<Column>();
        boolean spawn = keepingSpawn();
        for (long k : keys) {
            if (seen(k, players) || loading.containsKey(k) || spawn && atSpawn(k)) {
                continue;
            }
            if (!inMemory(k)) {
                unreadable.remove(k);
                continue;
            }
            if (asking && !check.mayUnload(k) || !saving && dirty.contains(k)) {
                continue;
            }
            checkedFlat.remove(k);
            unreadable.remove(k);
            Column c = drop(k);
            if (c != null && dirty.remove(k)) {
                c.compact();
                inFlight.put(k, c);
                toSave.add(c);
            }
        }
        return toSave;
    }

    /** Lets go of the columns none of the players knows and nothing changed in. */
    void forgetUnseenBy(List<OnlinePlayer> players) {
        LongSet seen = new LongSet(1024);
        for (OnlinePlayer p : players) {
            seen.addAll(p.known);
        }
        forgetAllBut(seen);
    }

    /** Lets go of columns nobody knows and nothing changed, so memory follows the players. */
    private void forgetAllBut(LongSet seen) {
        WorldEvents.UnloadCheck check = unloadCheck;
        boolean asking = check != null && check.active();
        boolean spawn = keepingSpawn();
        for (long k : columns.keys()) {
            if (seen.contains(k) || dirty.contains(k) || spawn && atSpawn(k) || asking && !check.mayUnload(k)) {
                continue;
            }
            drop(k);
        }
        for (long k : checkedFlat.toArray()) {
            if (seen.contains(k) || spawn && atSpawn(k) || asking && !check.mayUnload(k)) {
                continue;
            }
            checkedFlat.remove(k);
        }
        Iterator<Long> u = unreadable.keySet().iterator();
        while (u.hasNext()) {
            if (!seen.contains(u.next())) {
                u.remove();
            }
        }
        Iterator<ColumnBatch> it = loading.values().iterator();
        while (it.hasNext()) {
            if (it.next().over()) {
                it.remove(); // a batch given up: its player left before it ran
            }
        }
    }
}
