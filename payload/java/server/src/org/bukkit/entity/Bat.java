package org.bukkit.entity;

public interface Bat extends Ambient {
    boolean isAwake();
    void setAwake(boolean value);
}
