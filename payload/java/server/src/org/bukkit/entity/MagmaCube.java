package org.bukkit.entity;

/** A magma cube in the world. This server simulates players only, so no entity of this kind exists here. */
public interface MagmaCube extends Slime {
}
