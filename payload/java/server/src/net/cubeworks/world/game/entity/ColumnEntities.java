package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.IdentityHashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.Set;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;

/**
 * The entities that are kept with their column, as the game keeps them: each one written into the
 * Entities list of the column it stands in whenever that column is saved; taken into the world
 * when a player comes near a column read with entries of a kind the world runs; and put back into
 * its column, out of the world, when nobody sees that column any more (to be saved with it, and
 * taken up again when somebody comes back). A column an entity has left since it was last saved
 * is saved again before it may leave memory, so nothing is kept twice. Entries of kinds the world
 * does not run stay in their column as they were read. Used on the game thread under the world lock.
 */
public final class ColumnEntities {
    /** The world's columns, as this needs them. */
    public interface Columns {
        /** The column held in memory, or null. */
        Column held(long key);

        /** The column, held from now on (the flat ground made a column of its own); null when it cannot be read. */
        Column hold(int cx, int cz);

        /** Marks the column for the next save (when it is held). */
        void changed(long key);

        /** Whether a player has the column now. */
        boolean seen(long key);
    }

    private final Entities entities;
    private final EntityCodecs codecs;
    private final Columns columns;
    /** Columns read with entries not yet looked at. */
    private final Set<Long> arrived = new HashSet<Long>();
    /** The column each kept entity was last written into (or read from). */
    private final Map<WorldEntity, Long> savedIn = new IdentityHashMap<WorldEntity, Long>();
    /** The kept entities by column as the last save found them, for {@link #fill}. */
    private Map<Long, List<WorldEntity>> atSave = new HashMap<Long, List<WorldEntity>>();

    public ColumnEntities(Entities entities, EntityCodecs codecs, Columns columns) {
        this.entities = entities;
        this.codecs = codecs;
        this.columns = columns;
    }

    public EntityCodecs codecs() {
        return codecs;
    }

    static long key(WorldEntity e) {
        return ColumnKey.of(ColumnKey.chunk(e.x), ColumnKey.chunk(e.z));
    }

    /** A column came into memory holding entries: its entities join the world once a player has it. */
    public void arrived(long key) {
        arrived.add(key);
    }

    /** Each tick: the entities of columns read since, that a player now has, join the world. */
    public void tick(long tick) {
        if (arrived.isEmpty()) {
            return;
        }
        for (Iterator<Long> it = arrived.iterator(); it.hasNext();) {
            long k = it.next();
            Column c = columns.held(k);
            if (c == null || c.entities == null) {
                it.remove();
            } else if (columns.seen(k)) {
                it.remove();
                takeUp(c, k, tick);
            }
        }
    }

    /** Takes the entities of the kinds the world runs out of the column's entries and into the world. */
    private void takeUp(Column c, long k, long tick) {
        List<Object> left = new ArrayList<Object>();
        for (Object entry : c.entities) {
            WorldEntity e = codecs.read(entry);
            if (e == null) {
                left.add(entry);
                continue;
            }
            e.sent.reset(e, tick);
            entities.add(e);
            savedIn.put(e, k);
        }
        c.entities = left.isEmpty() ? null : left;
    }

    /**
     * Before columns may leave memory: a column a kept entity has left (or that lost one) since it
     * was saved is marked for saving, and the kept entities of columns nobody has are put back
     * into their columns, out of the world.
     */
    public void beforeForget() {
        for (Iterator<Map.Entry<WorldEntity, Long>> it = savedIn.entrySet().iterator(); it.hasNext();) {
            Map.Entry<WorldEntity, Long> s = it.next();
            WorldEntity e = s.getKey();
            if (e.isRemoved() || key(e) != s.getValue()) {
                columns.changed(s.getValue());
                if (e.isRemoved()) {
                    it.remove();
                }
            }
        }
        park();
    }

    private void park() {
        Map<Long, Boolean> seen = new HashMap<Long, Boolean>();
        for (WorldEntity e : entities.all()) {
            if (e.isRemoved() || !codecs.keeps(e)) {
                continue;
            }
            long k = key(e);
            Boolean s = seen.get(k);
            if (s == null) {
                s = columns.seen(k);
                seen.put(k, s);
            }
            if (s) {
                continue;
            }
            Column c = columns.hold(ColumnKey.chunk(e.x), ColumnKey.chunk(e.z));
            if (c == null) {
                continue; // its column cannot be read now: it stays in the world
            }
            Object entry = codecs.write(e);
            if (c.entities == null) {
                c.entities = new ArrayList<Object>();
            }
            c.entities.add(entry);
            columns.changed(k);
            e.markRemoved();
            entities.remove(e);
            Long was = savedIn.remove(e);
            if (was != null && was != k) {
                columns.changed(was);
            }
            arrived.add(k); // taken up again when somebody comes back before it leaves memory
        }
    }

    /**
     * Before a save copies the changed columns: every column that holds a kept entity, or did at
     * the last save, is marked for saving (the flat ground made a column for it).
     */
    public void beforeSave() {
        beforeForget();
        Map<Long, List<WorldEntity>> now = new HashMap<Long, List<WorldEntity>>();
        for (WorldEntity e : entities.all()) {
            if (e.isRemoved() || !codecs.keeps(e)) {
                continue;
            }
            long k = key(e);
            List<WorldEntity> in = now.get(k);
            if (in == null) {
                if (columns.hold(ColumnKey.chunk(e.x), ColumnKey.chunk(e.z)) == null) {
                    continue; // cannot be read now: not written over
                }
                in = new ArrayList<WorldEntity>();
                now.put(k, in);
            }
            in.add(e);
        }
        for (long k : now.keySet()) {
            columns.changed(k);
        }
        for (long k : atSave.keySet()) {
            columns.changed(k);
        }
        atSave = now;
    }

    /** Writes the kept entities into the copies the save made, after the entries each column keeps. */
    public void fill(List<Column> copies) {
        for (Column copy : copies) {
            long k = ColumnKey.of(copy.x, copy.z);
            List<WorldEntity> in = atSave.get(k);
            if (in == null) {
                continue;
            }
            List<Object> entries = copy.entities == null ? new ArrayList<Object>() : copy.entities;
            for (WorldEntity e : in) {
                Object entry = codecs.write(e);
                if (entry != null) {
                    entries.add(entry);
                    savedIn.put(e, k);
                }
            }
            copy.entities = entries.isEmpty() ? null : entries;
        }
    }
}
