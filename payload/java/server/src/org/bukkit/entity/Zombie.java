package org.bukkit.entity;

/** A zombie in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Zombie extends Monster {
    boolean isBaby();
    boolean isVillager();
    void setBaby(boolean baby);
    void setVillager(boolean villager);
}
