package net.cubeworks.world.storage;

import java.util.LinkedHashMap;
import java.util.Map;

/**
 * A compound tag: named values in the order they were read or put. Values are Byte, Short,
 * Integer, Long, Float, Double, byte[], String, NbtList, NbtCompound or int[].
 */
public final class NbtCompound {
    final LinkedHashMap<String, Object> map = new LinkedHashMap<String, Object>();

    /**
     * Equal to a compound with the same names and equal values, in any order (as the game
     * compares items' tags: two stacks with equal tags are one item, and stack and merge).
     */
    @Override
    public boolean equals(Object o) {
        if (o == this) {
            return true;
        }
        if (!(o instanceof NbtCompound) || ((NbtCompound) o).map.size() != map.size()) {
            return false;
        }
        for (Map.Entry<String, Object> e : map.entrySet()) {
            Object other = ((NbtCompound) o).map.get(e.getKey());
            if (other == null || !valuesEqual(e.getValue(), other)) {
                return false;
            }
        }
        return true;
    }

    @Override
    public int hashCode() {
        int h = 0;
        for (Map.Entry<String, Object> e : map.entrySet()) {
            h += e.getKey().hashCode() ^ valueHash(e.getValue());
        }
        return h;
    }

    /** Two tag values equal by content (arrays by their elements). */
    static boolean valuesEqual(Object a, Object b) {
        if (a instanceof byte[] && b instanceof byte[]) {
            return java.util.Arrays.equals((byte[]) a, (byte[]) b);
        }
        if (a instanceof int[] && b instanceof int[]) {
            return java.util.Arrays.equals((int[]) a, (int[]) b);
        }
        return a.equals(b);
    }

    static int valueHash(Object v) {
        if (v instanceof byte[]) {
            return java.util.Arrays.hashCode((byte[]) v);
        }
        return v instanceof int[] ? java.util.Arrays.hashCode((int[]) v) : v.hashCode();
    }

    /** A copy of the entries; nested values are shared, so neither copy may change them in place. */
    NbtCompound copy() {
        NbtCompound c = new NbtCompound();
        c.map.putAll(map);
        return c;
    }

    NbtCompound put(String name, Object value) {
        if (Nbt.typeOf(value) == Nbt.END) {
            throw new IllegalArgumentException("not an NBT value: " + name);
        }
        map.put(name, value);
        return this;
    }

    /** Puts the value only when the name is not there yet (defaults for a new file). */
    NbtCompound putIfAbsent(String name, Object value) {
        if (!map.containsKey(name)) {
            put(name, value);
        }
        return this;
    }

    Object get(String name) {
        return map.get(name);
    }

    boolean has(String name) {
        return map.containsKey(name);
    }

    Object remove(String name) {
        return map.remove(name);
    }

    NbtCompound compound(String name) {
        Object v = map.get(name);
        return v instanceof NbtCompound ? (NbtCompound) v : null;
    }

    NbtList list(String name) {
        Object v = map.get(name);
        return v instanceof NbtList ? (NbtList) v : null;
    }

    byte[] bytes(String name) {
        Object v = map.get(name);
        return v instanceof byte[] ? (byte[]) v : null;
    }

    String string(String name, String fallback) {
        Object v = map.get(name);
        return v instanceof String ? (String) v : fallback;
    }

    /** Any numeric tag as a long; the fallback when missing or not a number. */
    long number(String name, long fallback) {
        Object v = map.get(name);
        return v instanceof Number && !(v instanceof Float) && !(v instanceof Double) ? ((Number) v).longValue() : fallback;
    }

    double real(String name, double fallback) {
        Object v = map.get(name);
        return v instanceof Number ? ((Number) v).doubleValue() : fallback;
    }

    int size() {
        return map.size();
    }

    Iterable<Map.Entry<String, Object>> entries() {
        return map.entrySet();
    }
}
