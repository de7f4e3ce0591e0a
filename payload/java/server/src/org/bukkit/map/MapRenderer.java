package org.bukkit.map;

import org.bukkit.entity.Player;

/** Draws on a map's canvas; a contextual renderer draws for each player apart. */
public abstract class MapRenderer {
    private final boolean contextual;

    public MapRenderer() {
        this(false);
    }

    public MapRenderer(boolean contextual) {
        this.contextual = contextual;
    }

    public final boolean isContextual() {
        return contextual;
    }

    /** Called once when the renderer is added to a map. */
    public void initialize(MapView map) {
    }

    public abstract void render(MapView map, MapCanvas canvas, Player player);
}
