package net.cubeworks.world.game.world;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.level.BlockLight;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.Relight;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;
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
public final class ColumnCache {
    private final ColumnMaker maker;
    private final LongMap<Column> columns = new LongMap<Column>(1024);
    /** The column last looked up, and its key: most lookups in a row are in the same column. */
    private long lastKey;
    private Column lastColumn;
    /** Columns the store has been asked about and that are flat. */
    private final LongSet checkedFlat = new LongSet();
    private final LongSet dirty = new LongSet();
    /** Columns some player stopped seeing since the last tick: let go then, unless another sees them. */
    private final LongSet leftBehind = new LongSet();
    /** What stays in memory though nobody sees it: the spawn area, and what plugins keep. */
    private final ColumnKeeping keeping = new ColumnKeeping();
    /** The columns on their way to the disk. */
    private final ColumnsToDisk toDisk = new ColumnsToDisk();
    private final ColumnLoads loads = new ColumnLoads();
    private final UnreadableColumns unreadable = new UnreadableColumns();
    /** Columns taken into the world with entities kept in them, since the last call of {@link #takeWithEntities}. */
    private final List<Long> withEntities = new ArrayList<Long>();
    /** Columns taken into the world since the last tick, {key, 1 if newly made}, noted while a plugin listens. */
    private final List<long[]> loadedSinceTick = new ArrayList<long[]>();

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

    public ColumnCache(WorldStore store) {
        this.maker = new ColumnMaker(store);
    }

    /** Reads or makes the columns this cache takes in. */
    public ColumnMaker maker() {
        return maker;
    }

    Relight.Lights lights() {
        return lights;
    }

    /**
     * The column, asking the store the first time; null when it is the flat ground. A load
     * of it still under way for a batch is overtaken: the column is read here, at once.
     * Throws Unavailable when the store cannot read it (then, for a while, without asking).
     */
    public Column resolve(int cx, int cz) throws Unavailable {
        long k = ColumnKey.of(cx, cz);
        Column c = column(k);
        if (c != null || checkedFlat.contains(k)) {
            return c;
        }
        if (!unreadable.mayTry(k)) {
            throw new Unavailable("the column (" + cx + ", " + cz + ") cannot be read now", null);
        }
        loads.overtake(k);
        c = toDisk.unsaved(k);
        boolean generated = false;
        if (c == null) {
            try {
                ColumnMaker.Made m = maker.make(cx, cz);
                c = m.column;
                generated = m.generated;
            } catch (Unavailable e) {
                cannotRead(k);
                throw e;
            }
        }
        unreadable.forget(k);
        adopt(k, c, generated);
        return c;
    }

    /** The store could not read the column: it is not asked again for a while. */
    public void cannotRead(long k) {
        unreadable.cannotRead(k);
    }

    /** True when the column was read, or may be tried now. */
    boolean mayTry(long k) {
        return unreadable.mayTry(k);
    }

    /** True when the world knows the column without asking the store. */
    public boolean inMemory(long k) {
        return column(k) != null || checkedFlat.contains(k);
    }

    /** The columns held in memory now (a new list), for rules that look through them all now and then. */
    public List<Column> heldColumns() {
        return columns.values();
    }

    /** The column held in memory, or null (flat, or not asked for yet). */
    public Column held(long k) {
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
    public boolean adopt(long k, Column c, boolean generated) {
        if (WorldEvents.watchingLoads() && !inMemory(k)) {
            loadedSinceTick.add(new long[] {k, generated ? 1 : 0});
        }
        if (c == null) {
            checkedFlat.add(k);
            return false;
        }
        put(k, c);
        if (keeping.inSpawnArea(k)) {
            c.keepSendCache = true; // every joining player is sent it: compressed once, while it is held
        }
        if (generated) {
            dirty.add(k);
        }
        if (c.entities != null) {
            withEntities.add(k);
        }
        return c.lit() && ColumnMaker.lightBorders(c, lights);
    }

    /** The block; air where the column cannot be read (no player is sent such a column). */
    public int blockAt(int x, int y, int z) {
        if (y < 0 || y > 255) {
            return 0;
        }
        try {
            Column c = resolve(x >> 4, z >> 4);
            return c == null ? ColumnMaker.flatBlock(y) : c.block(x & 15, y, z & 15);
        } catch (Unavailable e) {
            return 0;
        }
    }

    public int metaAt(int x, int y, int z) {
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
    public long set(int x, int y, int z, int id, int data, long time) throws Unavailable {
        int cx = x >> 4;
        int cz = z >> 4;
        long k = ColumnKey.of(cx, cz);
        Column c = hold(cx, cz);
        int was = c.block(x & 15, y, z & 15);
        c.set(x & 15, y, z & 15, id, data);
        c.lastUpdate = time;
        dirty.add(k);
        // light changes only with what the block lets through or gives off (not with a wire's power, a repeater's state)
        if (c.lit() && (BlockLight.opacity(was) != BlockLight.opacity(id) || BlockLight.emitted(was) != BlockLight.emitted(id))) {
            Relight.around(lights, x, y, z);
        }
        return k;
    }

    /** The column, held from now on: the flat ground becomes a column of its own. Unavailable when it cannot be read. */
    public Column hold(int cx, int cz) throws Unavailable {
        Column c = resolve(cx, cz);
        if (c == null) {
            long k = ColumnKey.of(cx, cz);
            c = Column.flat(cx, cz);
            put(k, c);
            checkedFlat.remove(k);
        }
        return c;
    }

    /** Whether players left columns behind since the last release: some may leave memory now. */
    public boolean leaving() {
        return !leftBehind.isEmpty();
    }

    /** The columns taken into the world with entities kept in them since the last call. */
    public List<Long> takeWithEntities() {
        if (withEntities.isEmpty()) {
            return Collections.emptyList();
        }
        List<Long> out = new ArrayList<Long>(withEntities);
        withEntities.clear();
        return out;
    }

    /** Marks a column the world holds for saving: what it keeps beside its blocks changed. */
    public void changed(long k) {
        if (columns.containsKey(k)) {
            dirty.add(k);
        }
    }

    /** The batches reading columns from the store now. */
    ColumnLoads loads() {
        return loads;
    }

    /**
     * A copy of the newest version of a column let go before it reached the disk, which the
     * store's copy must not replace; null when there is none.
     */
    public Column unsaved(long k) {
        return toDisk.unsaved(k);
    }

    // --- saving ---

    /**
     * Copies of what changed since the last save and of what failed to save, now on their
     * way to the disk: a column let go meanwhile is read back from these.
     */
    public List<Column> takeChanges() {
        List<Column> copies = new ArrayList<Column>();
        for (Column c : toDisk.takeFailed()) {
            if (columns.containsKey(ColumnKey.of(c.x, c.z))) {
                dirty.add(ColumnKey.of(c.x, c.z)); // held again: copied anew below
            } else {
                copies.add(c);
            }
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
            toDisk.handed(c);
        }
        return copies;
    }

    /** On the saver thread: the copies reached the disk, or (failed) are kept for the next save. */
    public void written(List<Column> copies, boolean failedToWrite) {
        toDisk.written(copies, failedToWrite);
    }

    /** The columns taken into the world since the last call, {key, 1 if newly made}. */
    public List<long[]> takeLoaded() {
        if (loadedSinceTick.isEmpty()) {
            return Collections.emptyList();
        }
        List<long[]> out = new ArrayList<long[]>(loadedSinceTick);
        loadedSinceTick.clear();
        return out;
    }

    /** What stays in memory though nobody sees it. */
    public ColumnKeeping keeping() {
        return keeping;
    }

    /** A player stopped seeing the column: it is let go at the next tick when nobody sees it then. */
    void leftBehind(long k) {
        leftBehind.add(k);
    }

    /** A player left: the columns it saw go as those it walks away from. */
    public void leftBehind(LongSet keys) {
        leftBehind.addAll(keys);
    }


    /**
     * Lets go of the columns players stopped seeing since the last call that nobody sees now,
     * unless they are kept at the spawn or by a plugin (those go with the housekeeping when they
     * may). A column that changed since it was saved leaves the world as it is, with no copy, on
     * its way to the disk: the columns returned are to be written (see {@link #written}).
     */
    public List<Column> releaseLeftBehind(List<? extends Viewer> players, boolean saving) {
        if (leftBehind.isEmpty()) {
            return Collections.emptyList();
        }
        long[] keys = leftBehind.toArray();
        leftBehind.clear();
        WorldEvents.UnloadCheck check = keeping.activeCheck();
        boolean asking = check != null;
        List<Column> toSave = new ArrayList<Column>();
        boolean spawn = keeping.keepingSpawn();
        for (long k : keys) {
            if (Viewer.anySees(players, k) || loads.loading(k) || spawn && keeping.atSpawn(k)) {
                continue;
            }
            if (!inMemory(k)) {
                unreadable.forget(k);
                continue;
            }
            if (asking && !check.mayUnload(k) || !saving && dirty.contains(k)) {
                continue;
            }
            checkedFlat.remove(k);
            unreadable.forget(k);
            Column c = drop(k);
            if (c != null && dirty.remove(k)) {
                c.compact();
                toDisk.handed(c);
                toSave.add(c);
            }
        }
        return toSave;
    }

    /** Lets go of the columns none of the players knows and nothing changed in. */
    public void forgetUnseenBy(List<? extends Viewer> players) {
        LongSet seen = new LongSet(1024);
        for (Viewer p : players) {
            seen.addAll(p.known());
        }
        forgetAllBut(seen);
    }

    /** Lets go of columns nobody knows and nothing changed, so memory follows the players. */
    private void forgetAllBut(LongSet seen) {
        WorldEvents.UnloadCheck check = keeping.activeCheck();
        boolean asking = check != null;
        boolean spawn = keeping.keepingSpawn();
        for (long k : columns.keys()) {
            if (seen.contains(k) || dirty.contains(k) || spawn && keeping.atSpawn(k) || asking && !check.mayUnload(k)) {
                continue;
            }
            drop(k);
        }
        for (long k : checkedFlat.toArray()) {
            if (seen.contains(k) || spawn && keeping.atSpawn(k) || asking && !check.mayUnload(k)) {
                continue;
            }
            checkedFlat.remove(k);
        }
        unreadable.keepOnly(seen);
        loads.dropAbandoned();
    }
}
