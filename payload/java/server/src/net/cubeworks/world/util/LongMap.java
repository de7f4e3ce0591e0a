package net.cubeworks.world.util;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * A map from longs to values kept without a boxed Long or an entry object per mapping: open
 * addressing with linear probing, at most two thirds full, as {@link LongSet}. Looking a key
 * up makes no garbage. Null values are not kept (put of null removes). Not safe for several
 * threads.
 */
public final class LongMap<V> {
    private static final long FREE = Long.MIN_VALUE;

    private long[] keys;
    private Object[] values;
    private int size;
    /** The value of the key FREE itself, when it is mapped. */
    private Object freeValue;

    public LongMap() {
        this(16);
    }

    public LongMap(int expected) {
        int n = 8;
        while (n * 2 < expected * 3) {
            n <<= 1;
        }
        keys = new long[n];
        values = new Object[n];
        Arrays.fill(keys, FREE);
    }

    private static int hash(long k) {
        long h = k * 0x9E3779B97F4A7C15L;
        return (int) (h ^ (h >>> 32));
    }

    private int slot(long k) {
        int mask = keys.length - 1;
        int i = hash(k) & mask;
        while (true) {
            long v = keys[i];
            if (v == k || v == FREE) {
                return i;
            }
            i = (i + 1) & mask;
        }
    }

    @SuppressWarnings("unchecked")
    public V get(long k) {
        if (k == FREE) {
            return (V) freeValue;
        }
        int i = slot(k);
        return keys[i] == k ? (V) values[i] : null;
    }

    public boolean containsKey(long k) {
        return get(k) != null;
    }

    /** Maps the key to the value (null: removes it); the value it had, or null. */
    @SuppressWarnings("unchecked")
    public V put(long k, V value) {
        if (value == null) {
            return remove(k);
        }
        if (k == FREE) {
            Object old = freeValue;
            freeValue = value;
            if (old == null) {
                size++;
            }
            return (V) old;
        }
        int i = slot(k);
        if (keys[i] == k) {
            Object old = values[i];
            values[i] = value;
            return (V) old;
        }
        keys[i] = k;
        values[i] = value;
        size++;
        if (size * 3 > keys.length * 2) {
            grow();
        }
        return null;
    }

    private void grow() {
        long[] oldKeys = keys;
        Object[] oldValues = values;
        keys = new long[oldKeys.length * 2];
        values = new Object[oldKeys.length * 2];
        Arrays.fill(keys, FREE);
        for (int j = 0; j < oldKeys.length; j++) {
            if (oldKeys[j] != FREE) {
                int i = slot(oldKeys[j]);
                keys[i] = oldKeys[j];
                values[i] = oldValues[j];
            }
        }
    }

    /** Takes the key out; the value it had, or null. */
    @SuppressWarnings("unchecked")
    public V remove(long k) {
        if (k == FREE) {
            Object old = freeValue;
            if (old != null) {
                freeValue = null;
                size--;
            }
            return (V) old;
        }
        int i = slot(k);
        if (keys[i] != k) {
            return null;
        }
        Object old = values[i];
        int mask = keys.length - 1;
        int gap = i;
        int j = i;
        while (true) {
            j = (j + 1) & mask;
            long v = keys[j];
            if (v == FREE) {
                break;
            }
            int home = hash(v) & mask;
            boolean between = gap <= j ? gap < home && home <= j : gap < home || home <= j;
            if (!between) {
                keys[gap] = v;
                values[gap] = values[j];
                gap = j;
            }
        }
        keys[gap] = FREE;
        values[gap] = null;
        size--;
        return (V) old;
    }

    public int size() {
        return size;
    }

    public boolean isEmpty() {
        return size == 0;
    }

    /** The keys, in no particular order: a copy, so the map may change while it is read. */
    public long[] keys() {
        long[] out = new long[size];
        int n = 0;
        for (long k : keys) {
            if (k != FREE) {
                out[n++] = k;
            }
        }
        if (freeValue != null) {
            out[n] = FREE;
        }
        return out;
    }

    /** The values, in no particular order: a copy. */
    @SuppressWarnings("unchecked")
    public List<V> values() {
        List<V> out = new ArrayList<V>(size);
        for (int i = 0; i < keys.length; i++) {
            if (keys[i] != FREE) {
                out.add((V) values[i]);
            }
        }
        if (freeValue != null) {
            out.add((V) freeValue);
        }
        return out;
    }
}
