package org.bukkit.entity;

/** A mushroom cow in the world. This server simulates players only, so no entity of this kind exists here. */
public interface MushroomCow extends Cow {
}
