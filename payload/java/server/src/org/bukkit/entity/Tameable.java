package org.bukkit.entity;

public interface Tameable {
    AnimalTamer getOwner();
    boolean isTamed();
    void setOwner(AnimalTamer animalTamer);
    void setTamed(boolean value);
}
