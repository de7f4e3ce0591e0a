package org.bukkit.entity;

import org.bukkit.Art;

/** A painting in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Painting extends Hanging {
    Art getArt();
    boolean setArt(Art art);
    boolean setArt(Art art, boolean force);
}
