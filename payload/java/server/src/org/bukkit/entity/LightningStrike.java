package org.bukkit.entity;

/**
 * A lightning strike in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface LightningStrike extends Weather {
    boolean isEffect();
}
