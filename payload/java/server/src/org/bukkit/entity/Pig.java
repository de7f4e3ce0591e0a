package org.bukkit.entity;

/** A pig in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Pig extends Animals, Vehicle {
    boolean hasSaddle();
    void setSaddle(boolean saddle);
}
