package org.bukkit.entity;

/**
 * A creature a player can tame. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface Tameable {
    AnimalTamer getOwner();
    boolean isTamed();
    void setOwner(AnimalTamer animalTamer);
    void setTamed(boolean tamed);
}
