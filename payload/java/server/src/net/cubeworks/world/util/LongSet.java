package net.cubeworks.world.util;

import java.util.Arrays;
import java.util.NoSuchElementException;

/**
 * A set of longs kept as longs (no boxed Long per entry, no entry objects): open addressing with
 * linear probing in a table of a power of two, at most two thirds full. Asking it makes no
 * garbage, so it suits the column keys checked on every move. Not safe for several threads.
 */
public final class LongSet {
    /** Marks a free slot; the value itself, when it is in the set, is noted aside. */
    private static final long FREE = Long.MIN_VALUE;

    private long[] table;
    private int size;
    private boolean hasFree;

    public LongSet() {
        this(16);
    }

    public LongSet(int expected) {
        int n = 8;
        while (n * 2 < expected * 3) {
            n <<= 1;
        }
        table = new long[n];
        Arrays.fill(table, FREE);
    }

    private static int hash(long k) {
        long h = k * 0x9E3779B97F4A7C15L;
        return (int) (h ^ (h >>> 32));
    }

    private int slot(long k) {
        int mask = table.length - 1;
        int i = hash(k) & mask;
        while (true) {
            long v = table[i];
            if (v == k || v == FREE) {
                return i;
            }
            i = (i + 1) & mask;
        }
    }

    public boolean contains(long k) {
        if (k == FREE) {
            return hasFree;
        }
        return table[slot(k)] == k;
    }

    /** Adds the value; false when it was there already. */
    public boolean add(long k) {
        if (k == FREE) {
            if (hasFree) {
                return false;
            }
            hasFree = true;
            size++;
            return true;
        }
        int i = slot(k);
        if (table[i] == k) {
            return false;
        }
        table[i] = k;
        size++;
        if (size * 3 > table.length * 2) {
            grow();
        }
        return true;
    }

    private void grow() {
        long[] old = table;
        table = new long[old.length * 2];
        Arrays.fill(table, FREE);
        for (long v : old) {
            if (v != FREE) {
                table[slot(v)] = v;
            }
        }
    }

    /** Takes the value out; false when it was not there. */
    public boolean remove(long k) {
        if (k == FREE) {
            if (!hasFree) {
                return false;
            }
            hasFree = false;
            size--;
            return true;
        }
        int i = slot(k);
        if (table[i] != k) {
            return false;
        }
        // close the gap: entries after it in the run move back where a search finds them
        int mask = table.length - 1;
        int gap = i;
        int j = i;
        while (true) {
            j = (j + 1) & mask;
            long v = table[j];
            if (v == FREE) {
                break;
            }
            int home = hash(v) & mask;
            boolean between = gap <= j ? gap < home && home <= j : gap < home || home <= j;
            if (!between) {
                table[gap] = v;
                gap = j;
            }
        }
        table[gap] = FREE;
        size--;
        return true;
    }

    public int size() {
        return size;
    }

    public boolean isEmpty() {
        return size == 0;
    }

    public void clear() {
        if (size > 0) {
            Arrays.fill(table, FREE);
            size = 0;
            hasFree = false;
        }
    }

    /** Adds every value of the other set. */
    public void addAll(LongSet other) {
        for (long v : other.table) {
            if (v != FREE) {
                add(v);
            }
        }
        if (other.hasFree) {
            add(FREE);
        }
    }

    /** The values, in no particular order: a copy, so the set may change while it is read. */
    public long[] toArray() {
        long[] out = new long[size];
        int n = 0;
        for (long v : table) {
            if (v != FREE) {
                out[n++] = v;
            }
        }
        if (hasFree) {
            out[n] = FREE;
        }
        return out;
    }

    /** A walk over the values without a copy; the set must not change meanwhile. */
    public Cursor cursor() {
        return new Cursor();
    }

    /** Walks over the values of the set, in no particular order. */
    public final class Cursor {
        private int next = -1;
        private boolean freeDone = !hasFree;

        private Cursor() {
            advance();
        }

        private void advance() {
            next++;
            while (next < table.length && table[next] == FREE) {
                next++;
            }
        }

        public boolean hasNext() {
            return next < table.length || !freeDone;
        }

        public long next() {
            if (next < table.length) {
                long v = table[next];
                advance();
                return v;
            }
            if (!freeDone) {
                freeDone = true;
                return FREE;
            }
            throw new NoSuchElementException();
        }
    }
}
