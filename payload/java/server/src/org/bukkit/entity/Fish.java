package org.bukkit.entity;

public interface Fish extends Projectile {
    double getBiteChance();
    void setBiteChance(double value) throws IllegalArgumentException;
}
