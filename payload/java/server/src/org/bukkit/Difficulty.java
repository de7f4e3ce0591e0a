package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The world's difficulty, with the game's numbers. */
public enum Difficulty {
    PEACEFUL(0),
    EASY(1),
    NORMAL(2),
    HARD(3);

    private static final Map<Integer, Difficulty> BY_ID = new HashMap<Integer, Difficulty>();

    static {
        for (Difficulty d : values()) {
            BY_ID.put(d.value, d);
        }
    }

    private final int value;

    private Difficulty(final int value) {
        this.value = value;
    }

    public int getValue() {
        return value;
    }

    public static Difficulty getByValue(final int value) {
        return BY_ID.get(value);
    }
}
