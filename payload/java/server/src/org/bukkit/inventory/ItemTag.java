package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * An item's tag as plain values: a compound is a Map of names to values, a list a List, and
 * numbers keep their tag type as Byte, Short, Integer, Long, Float or Double; strings, byte[]
 * and int[] as they are.
 */
final class ItemTag {
    private ItemTag() {
    }

    /** A deep copy, so that neither copy changes the other. */
    @SuppressWarnings("unchecked")
    static Map<String, Object> copy(Map<String, Object> tag) {
        Map<String, Object> out = new LinkedHashMap<String, Object>();
        for (Map.Entry<String, Object> e : tag.entrySet()) {
            out.put(e.getKey(), copyValue(e.getValue()));
        }
        return out;
    }

    @SuppressWarnings("unchecked")
    static Object copyValue(Object v) {
        if (v instanceof Map) {
            return copy((Map<String, Object>) v);
        }
        if (v instanceof List) {
            List<Object> out = new ArrayList<Object>();
            for (Object o : (List<Object>) v) {
                out.add(copyValue(o));
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

    static List<String> strings(List<Object> list) {
        List<String> out = new ArrayList<String>();
        for (Object o : list) {
            out.add(String.valueOf(o));
        }
        return out;
    }

    /** Deep equality, arrays by content. */
    static boolean same(Object a, Object b) {
        if (a instanceof byte[] && b instanceof byte[]) {
            return Arrays.equals((byte[]) a, (byte[]) b);
        }
        if (a instanceof int[] && b instanceof int[]) {
            return Arrays.equals((int[]) a, (int[]) b);
        }
        if (a instanceof Map && b instanceof Map) {
            Map<?, ?> ma = (Map<?, ?>) a;
            Map<?, ?> mb = (Map<?, ?>) b;
            if (!ma.keySet().equals(mb.keySet())) {
                return false;
            }
            for (Object k : ma.keySet()) {
                if (!same(ma.get(k), mb.get(k))) {
                    return false;
                }
            }
            return true;
        }
        if (a instanceof List && b instanceof List) {
            List<?> la = (List<?>) a;
            List<?> lb = (List<?>) b;
            if (la.size() != lb.size()) {
                return false;
            }
            for (int i = 0; i < la.size(); i++) {
                if (!same(la.get(i), lb.get(i))) {
                    return false;
                }
            }
            return true;
        }
        return a == null ? b == null : a.equals(b);
    }

    static int hash(Object v) {
        if (v instanceof byte[]) {
            return Arrays.hashCode((byte[]) v);
        }
        if (v instanceof int[]) {
            return Arrays.hashCode((int[]) v);
        }
        if (v instanceof Map) {
            int h = 0;
            for (Map.Entry<?, ?> e : ((Map<?, ?>) v).entrySet()) {
                h += e.getKey().hashCode() ^ hash(e.getValue());
            }
            return h;
        }
        if (v instanceof List) {
            int h = 1;
            for (Object o : (List<?>) v) {
                h = h * 31 + hash(o);
            }
            return h;
        }
        return v == null ? 0 : v.hashCode();
    }
}
