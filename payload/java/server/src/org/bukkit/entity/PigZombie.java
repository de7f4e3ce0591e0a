package org.bukkit.entity;

/** A pig zombie in the world. This server simulates players only, so no entity of this kind exists here. */
public interface PigZombie extends Zombie {
    int getAnger();
    boolean isAngry();
    void setAnger(int anger);
    void setAngry(boolean angry);
}
