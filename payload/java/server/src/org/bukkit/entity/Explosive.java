package org.bukkit.entity;

public interface Explosive extends Entity {
    float getYield();
    boolean isIncendiary();
    void setIsIncendiary(boolean value);
    void setYield(float value);
}
