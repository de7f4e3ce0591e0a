package org.bukkit;

/** The instruments of a note block, by the number the Block Action packet carries. */
public enum Instrument {
    PIANO(0), BASS_DRUM(1), SNARE_DRUM(2), STICKS(3), BASS_GUITAR(4);

    private final byte type;

    Instrument(int type) {
        this.type = (byte) type;
    }

    @Deprecated
    public byte getType() {
        return type;
    }

    /** The instrument of that number, or null. */
    @Deprecated
    public static Instrument getByType(byte type) {
        for (Instrument i : values()) {
            if (i.type == type) {
                return i;
            }
        }
        return null;
    }
}
