package org.bukkit.entity;

/** A bat in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Bat extends Ambient {
    boolean isAwake();
    void setAwake(boolean awake);
}
