package org.bukkit.entity;

import org.bukkit.Material;

/**
 * A falling block in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface FallingBlock extends Entity {
    @Deprecated
    byte getBlockData();
    @Deprecated
    int getBlockId();
    boolean getDropItem();
    Material getMaterial();
    void setDropItem(boolean dropItem);
}
