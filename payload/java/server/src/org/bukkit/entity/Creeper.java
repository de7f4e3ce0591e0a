package org.bukkit.entity;

/** A creeper in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Creeper extends Monster {
    boolean isPowered();
    void setPowered(boolean powered);
}
