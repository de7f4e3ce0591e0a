package net.cubeworks.world.storage;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * An item's tag between the form the world keeps (an NbtCompound in the slot, written to the
 * player file as it is) and plain values the plugin API reads: a compound as a Map, a list as
 * a List, numbers boxed in their tag's type. Also the gzipped form an item's tag travels in
 * over the network.
 */
public final class ItemTagValues {
    private ItemTagValues() {
    }

    /** The tag as plain values; null for anything but a compound. */
    public static Map<String, Object> toValues(Object tag) {
        if (!(tag instanceof NbtCompound)) {
            return null;
        }
        return compoundValues((NbtCompound) tag);
    }

    private static Map<String, Object> compoundValues(NbtCompound c) {
        Map<String, Object> out = new LinkedHashMap<String, Object>();
        for (Map.Entry<String, Object> e : c.map.entrySet()) {
            out.put(e.getKey(), value(e.getValue()));
        }
        return out;
    }

    private static Object value(Object v) {
        if (v instanceof NbtCompound) {
            return compoundValues((NbtCompound) v);
        }
        if (v instanceof NbtList) {
            List<Object> out = new ArrayList<Object>();
            for (Object o : ((NbtList) v).items) {
                out.add(value(o));
            }
            return out;
        }
        if (v instanceof byte[]) {
            return ((byte[]) v).clone();
        }
        if (v instanceof int[]) {
            return ((int[]) v).clone();
        }
        return v;
    }

    /**
     * The plain values as a tag the world keeps; null for null or an empty map. A value of no
     * tag type (a plugin's Boolean, say) is an IllegalArgumentException, as is a list of mixed types.
     */
    public static Object fromValues(Map<String, Object> values) {
        if (values == null || values.isEmpty()) {
            return null;
        }
        return compound(values);
    }

    @SuppressWarnings("unchecked")
    private static NbtCompound compound(Map<String, Object> values) {
        NbtCompound c = new NbtCompound();
        for (Map.Entry<String, Object> e : values.entrySet()) {
            c.put(e.getKey(), tag(e.getValue()));
        }
        return c;
    }

    @SuppressWarnings("unchecked")
    private static Object tag(Object v) {
        if (v instanceof Map) {
            return compound((Map<String, Object>) v);
        }
        if (v instanceof List) {
            List<Object> items = new ArrayList<Object>();
            for (Object o : (List<Object>) v) {
                items.add(tag(o));
            }
            NbtList list = new NbtList(items.isEmpty() ? Nbt.END : Nbt.typeOf(items.get(0)));
            for (Object o : items) {
                list.add(o);
            }
            return list;
        }
        if (v instanceof byte[]) {
            return ((byte[]) v).clone();
        }
        if (v instanceof int[]) {
            return ((int[]) v).clone();
        }
        if (Nbt.typeOf(v) == Nbt.END) {
            throw new IllegalArgumentException("not a tag value: " + v);
        }
        return v;
    }

    /** The tag as a slot carries it over the network: the named root compound, gzipped; null for no tag. */
    public static byte[] gzipped(Object tag) {
        if (!(tag instanceof NbtCompound)) {
            return null;
        }
        return Nbt.gzip(Nbt.write((NbtCompound) tag));
    }
}
