package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The kinds of wood, by the data of logs, planks, saplings and leaves. */
public enum TreeSpecies {
    GENERIC(0x0),
    REDWOOD(0x1),
    BIRCH(0x2),
    JUNGLE(0x3),
    ACACIA(0x4),
    DARK_OAK(0x5);

    private static final Map<Byte, TreeSpecies> BY_DATA = new HashMap<Byte, TreeSpecies>();

    static {
        for (TreeSpecies t : values()) {
            BY_DATA.put(t.data, t);
        }
    }

    private final byte data;

    TreeSpecies(int data) {
        this.data = (byte) data;
    }

    @Deprecated
    public byte getData() {
        return data;
    }

    /** The constant of the data value, or null. */
    @Deprecated
    public static TreeSpecies getByData(final byte data) {
        return BY_DATA.get(data);
    }
}
