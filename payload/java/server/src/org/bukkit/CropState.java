package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** How far wheat, carrots and potatoes have grown, by block data. */
public enum CropState {
    SEEDED(0x0),
    GERMINATED(0x1),
    VERY_SMALL(0x2),
    SMALL(0x3),
    MEDIUM(0x4),
    TALL(0x5),
    VERY_TALL(0x6),
    RIPE(0x7);

    private static final Map<Byte, CropState> BY_DATA = new HashMap<Byte, CropState>();

    static {
        for (CropState t : values()) {
            BY_DATA.put(t.data, t);
        }
    }

    private final byte data;

    CropState(int data) {
        this.data = (byte) data;
    }

    @Deprecated
    public byte getData() {
        return data;
    }

    /** The constant of the data value, or null. */
    @Deprecated
    public static CropState getByData(final byte data) {
        return BY_DATA.get(data);
    }
}
