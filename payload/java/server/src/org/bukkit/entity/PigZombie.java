package org.bukkit.entity;

public interface PigZombie extends Zombie {
    int getAnger();
    boolean isAngry();
    void setAnger(int value);
    void setAngry(boolean value);
}
