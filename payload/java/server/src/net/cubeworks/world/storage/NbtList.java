package net.cubeworks.world.storage;

import java.util.ArrayList;
import java.util.List;

/** A list tag: values of one tag type. An empty list may carry any type (the game writes End). */
public final class NbtList {
    final byte type;
    final List<Object> items = new ArrayList<Object>();

    NbtList(byte type) {
        this.type = type;
    }

    NbtList add(Object value) {
        byte t = Nbt.typeOf(value);
        if (t != type) {
            throw new IllegalArgumentException("a list of tag type " + type + " cannot hold tag type " + t);
        }
        items.add(value);
        return this;
    }

    int size() {
        return items.size();
    }

    /** Equal to a list of the same type with equal values in the same order. */
    @Override
    public boolean equals(Object o) {
        if (o == this) {
            return true;
        }
        if (!(o instanceof NbtList) || ((NbtList) o).items.size() != items.size()
                || ((NbtList) o).type != type && !items.isEmpty()) {
            return false;
        }
        for (int i = 0; i < items.size(); i++) {
            if (!NbtCompound.valuesEqual(items.get(i), ((NbtList) o).items.get(i))) {
                return false;
            }
        }
        return true;
    }

    @Override
    public int hashCode() {
        int h = type;
        for (Object v : items) {
            h = h * 31 + NbtCompound.valueHash(v);
        }
        return h;
    }

    Object get(int i) {
        return items.get(i);
    }

    static NbtList of(byte type, Object... values) {
        NbtList l = new NbtList(type);
        for (Object v : values) {
            l.add(v);
        }
        return l;
    }
}
