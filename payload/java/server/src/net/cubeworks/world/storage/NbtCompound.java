package net.cubeworks.world.storage;

import java.util.LinkedHashMap;
import java.util.Map;

/**
 * A compound tag: named values in the order they were read or put. Values are Byte, Short,
 * Integer, Long, Float, Double, byte[], String, NbtList, NbtCompound or int[].
 */
public final class NbtCompound {
    final LinkedHashMap<String, Object> map = new LinkedHashMap<String, Object>();

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
