package org.bukkit;

import java.util.HashMap;
import java.util.Map;

/** The level types, by the names server.properties and level.dat use. */
public enum WorldType {
    NORMAL("DEFAULT"),
    FLAT("FLAT"),
    VERSION_1_1("DEFAULT_1_1"),
    LARGE_BIOMES("LARGEBIOMES"),
    AMPLIFIED("AMPLIFIED");

    private static final Map<String, WorldType> BY_NAME = new HashMap<String, WorldType>();

    static {
        for (WorldType type : values()) {
            BY_NAME.put(type.name, type);
        }
    }

    private final String name;

    private WorldType(String name) {
        this.name = name;
    }

    public String getName() {
        return name;
    }

    public static WorldType getByName(String name) {
        return name == null ? null : BY_NAME.get(name.toUpperCase(java.util.Locale.ENGLISH));
    }
}
