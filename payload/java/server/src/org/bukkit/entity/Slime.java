package org.bukkit.entity;

/** A slime in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Slime extends LivingEntity {
    int getSize();
    void setSize(int size);
}
