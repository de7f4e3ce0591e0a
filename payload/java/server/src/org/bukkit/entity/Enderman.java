package org.bukkit.entity;

import org.bukkit.material.MaterialData;

/** An enderman in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Enderman extends Monster {
    MaterialData getCarriedMaterial();
    void setCarriedMaterial(MaterialData materialData);
}
