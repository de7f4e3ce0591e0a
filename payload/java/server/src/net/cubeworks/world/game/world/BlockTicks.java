package net.cubeworks.world.game.world;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;

import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.TileTick;

/**
 * The block updates the world has been asked to run later, as the game orders them: by the world
 * time they are due, then by priority (lower first), then in the order they were asked for. One
 * place holds at most one pending update for one block id (asking again changes nothing), and at
 * most {@link #MAX_PER_TICK} run in a tick; the rest wait for the next. Each column's updates are
 * written with it (its TileTicks, ticks still to wait) and taken back when it is read again. Used
 * on the game thread.
 */
public final class BlockTicks {
    /** The most updates run in one tick, as the game bounds them. */
    public static final int MAX_PER_TICK = 1000;

    /** One pending update: a place, the block id it is for, when and in which order. */
    public static final class Due implements Comparable<Due> {
        public final int x;
        public final int y;
        public final int z;
        public final int blockId;
        public final long time;
        public final int priority;
        final long seq;

        Due(int x, int y, int z, int blockId, long time, int priority, long seq) {
            this.x = x;
            this.y = y;
            this.z = z;
            this.blockId = blockId;
            this.time = time;
            this.priority = priority;
            this.seq = seq;
        }

        public int compareTo(Due o) {
            if (time != o.time) {
                return time < o.time ? -1 : 1;
            }
            if (priority != o.priority) {
                return priority < o.priority ? -1 : 1;
            }
            return seq < o.seq ? -1 : seq > o.seq ? 1 : 0;
        }

        long column() {
            return ColumnKey.of(x >> 4, z >> 4);
        }

        @Override
        public String toString() {
            return "(" + x + ", " + y + ", " + z + ") block " + blockId + " at " + time;
        }
    }

    private final TreeSet<Due> queue = new TreeSet<Due>();
    /** The pending update of each place and block id, to refuse a second one. */
    private final Map<Key, Due> pending = new HashMap<Key, Due>();
    /** The pending updates of each column, for writing them with it. */
    private final Map<Long, Set<Due>> byColumn = new HashMap<Long, Set<Due>>();
    private long seq;

    private static final class Key {
        final int x;
        final int y;
        final int z;
        final int blockId;

        Key(int x, int y, int z, int blockId) {
            this.x = x;
            this.y = y;
            this.z = z;
            this.blockId = blockId;
        }

        @Override
        public boolean equals(Object o) {
            if (!(o instanceof Key)) {
                return false;
            }
            Key k = (Key) o;
            return x == k.x && y == k.y && z == k.z && blockId == k.blockId;
        }

        @Override
        public int hashCode() {
            return ((x * 31 + z) * 31 + y) * 31 + blockId;
        }
    }

    /**
     * Asks for the block's update at the given world time; false (nothing changes) when one is
     * already pending there for that block id.
     */
    public boolean schedule(int x, int y, int z, int blockId, long time, int priority) {
        Key k = new Key(x, y, z, blockId);
        if (pending.containsKey(k)) {
            return false;
        }
        Due d = new Due(x, y, z, blockId, time, priority, seq++);
        pending.put(k, d);
        queue.add(d);
        Set<Due> col = byColumn.get(d.column());
        if (col == null) {
            col = new LinkedHashSet<Due>();
            byColumn.put(d.column(), col);
        }
        col.add(d);
        return true;
    }

    /** True when the update is pending at the place for the block id. */
    public boolean isPending(int x, int y, int z, int blockId) {
        return pending.containsKey(new Key(x, y, z, blockId));
    }

    /**
     * Takes out the updates due by the world time, in their order, at most MAX_PER_TICK; those
     * taken are no longer pending, so the block may ask again while it runs.
     */
    public List<Due> takeDue(long now) {
        List<Due> out = new ArrayList<Due>();
        Iterator<Due> it = queue.iterator();
        while (it.hasNext() && out.size() < MAX_PER_TICK) {
            Due d = it.next();
            if (d.time > now) {
                break;
            }
            it.remove();
            forget(d);
            out.add(d);
        }
        return out;
    }

    private void forget(Due d) {
        pending.remove(new Key(d.x, d.y, d.z, d.blockId));
        Set<Due> col = byColumn.get(d.column());
        if (col != null) {
            col.remove(d);
            if (col.isEmpty()) {
                byColumn.remove(d.column());
            }
        }
    }

    /** The updates of the column pending at the world time, each with the ticks still to wait. */
    public List<TileTick> ofColumn(int cx, int cz, long now) {
        Set<Due> col = byColumn.get(ColumnKey.of(cx, cz));
        if (col == null) {
            return null;
        }
        List<TileTick> out = new ArrayList<TileTick>(col.size());
        for (Due d : col) {
            out.add(new TileTick(d.x, d.y, d.z, d.blockId, d.time - now, d.priority));
        }
        return out;
    }

    /** Takes a column's updates as read (ticks to wait from now) into the queue; those pending already stay as they are. */
    public void adopt(List<TileTick> ticks, long now) {
        for (TileTick t : ticks) {
            schedule(t.x, t.y, t.z, t.blockId, now + t.delay, t.priority);
        }
    }

    /** Forgets the pending updates of a column that left memory (they were written with it). */
    public void dropColumn(int cx, int cz) {
        Set<Due> col = byColumn.remove(ColumnKey.of(cx, cz));
        if (col == null) {
            return;
        }
        for (Due d : col) {
            queue.remove(d);
            pending.remove(new Key(d.x, d.y, d.z, d.blockId));
        }
    }

    public int size() {
        return queue.size();
    }
}
