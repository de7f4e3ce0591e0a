package org.bukkit.entity;

public interface Pig extends Animals, Vehicle {
    boolean hasSaddle();
    void setSaddle(boolean value);
}
