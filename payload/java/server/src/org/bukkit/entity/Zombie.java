package org.bukkit.entity;

public interface Zombie extends Monster {
    boolean isBaby();
    boolean isVillager();
    void setBaby(boolean value);
    void setVillager(boolean value);
}
