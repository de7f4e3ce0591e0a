package org.bukkit.entity;

public interface TNTPrimed extends Explosive {
    int getFuseTicks();
    Entity getSource();
    void setFuseTicks(int value);
}
