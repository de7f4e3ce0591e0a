package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The kinds of tall grass, by block data. */
public enum GrassSpecies {
    DEAD(0x0),
    NORMAL(0x1),
    FERN_LIKE(0x2);

    private static final Map<Byte, GrassSpecies> BY_DATA = new HashMap<Byte, GrassSpecies>();

    static {
        for (GrassSpecies t : values()) {
            BY_DATA.put(t.data, t);
        }
    }

    private final byte data;

    GrassSpecies(int data) {
        this.data = (byte) data;
    }

    @Deprecated
    public byte getData() {
        return data;
    }

    /** The constant of the data value, or null. */
    @Deprecated
    public static GrassSpecies getByData(final byte data) {
        return BY_DATA.get(data);
    }
}
