package org.bukkit.entity;

import org.bukkit.material.MaterialData;

/** An enderman in the world, and the block it carries. */
public interface Enderman extends Monster {
    MaterialData getCarriedMaterial();
    void setCarriedMaterial(MaterialData materialData);
}
