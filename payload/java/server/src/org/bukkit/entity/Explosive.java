package org.bukkit.entity;

/** An entity that explodes. This server simulates players only, so no entity of this kind exists here. */
public interface Explosive extends Entity {
    float getYield();
    boolean isIncendiary();
    void setIsIncendiary(boolean isIncendiary);
    void setYield(float yield);
}
