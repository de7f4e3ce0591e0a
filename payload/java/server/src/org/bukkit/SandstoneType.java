package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The kinds of sandstone, by block data. */
public enum SandstoneType {
    CRACKED(0x0),
    GLYPHED(0x1),
    SMOOTH(0x2);

    private static final Map<Byte, SandstoneType> BY_DATA = new HashMap<Byte, SandstoneType>();

    static {
        for (SandstoneType t : values()) {
            BY_DATA.put(t.data, t);
        }
    }

    private final byte data;

    SandstoneType(int data) {
        this.data = (byte) data;
    }

    @Deprecated
    public byte getData() {
        return data;
    }

    /** The constant of the data value, or null. */
    @Deprecated
    public static SandstoneType getByData(final byte data) {
        return BY_DATA.get(data);
    }
}
