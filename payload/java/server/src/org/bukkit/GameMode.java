package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The game modes a player can be in, with the numeric values the protocol uses. */
public enum GameMode {
    CREATIVE(1),
    SURVIVAL(0),
    ADVENTURE(2);

    private static final Map<Integer, GameMode> BY_ID = new HashMap<Integer, GameMode>();

    static {
        for (GameMode mode : values()) {
            BY_ID.put(mode.value, mode);
        }
    }

    private final int value;

    private GameMode(final int value) {
        this.value = value;
    }

    public int getValue() {
        return value;
    }

    /** The mode with the given numeric value, or null when there is none. */
    public static GameMode getByValue(final int value) {
        return BY_ID.get(value);
    }
}
