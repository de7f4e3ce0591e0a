package org.bukkit.block;

import org.bukkit.Material;

/** A jukebox: the record in it, AIR when none. */
public interface Jukebox extends BlockState {
    Material getPlaying();

    void setPlaying(Material record);

    boolean isPlaying();

    /** Throws the record out; false when there was none. */
    boolean eject();
}
