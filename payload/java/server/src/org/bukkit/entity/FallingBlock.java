package org.bukkit.entity;

import org.bukkit.Material;

public interface FallingBlock extends Entity {
    @Deprecated
    byte getBlockData();
    @Deprecated
    int getBlockId();
    boolean getDropItem();
    Material getMaterial();
    void setDropItem(boolean value);
}
