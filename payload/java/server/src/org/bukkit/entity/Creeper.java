package org.bukkit.entity;

public interface Creeper extends Monster {
    boolean isPowered();
    void setPowered(boolean value);
}
