package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The two kinds of coal item, by damage value. */
public enum CoalType {
    COAL(0x0),
    CHARCOAL(0x1);

    private static final Map<Byte, CoalType> BY_DATA = new HashMap<Byte, CoalType>();

    static {
        for (CoalType t : values()) {
            BY_DATA.put(t.data, t);
        }
    }

    private final byte data;

    CoalType(int data) {
        this.data = (byte) data;
    }

    @Deprecated
    public byte getData() {
        return data;
    }

    /** The constant of the data value, or null. */
    @Deprecated
    public static CoalType getByData(final byte data) {
        return BY_DATA.get(data);
    }
}
