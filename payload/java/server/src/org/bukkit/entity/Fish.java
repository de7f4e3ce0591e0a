package org.bukkit.entity;

/** A fish in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Fish extends Projectile {
    double getBiteChance();
    void setBiteChance(double biteChance) throws IllegalArgumentException;
}
