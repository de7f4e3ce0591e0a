package org.bukkit.entity;

public interface Ageable extends Creature {
    boolean canBreed();
    int getAge();
    boolean getAgeLock();
    boolean isAdult();
    void setAdult();
    void setAge(int value);
    void setAgeLock(boolean value);
    void setBaby();
    void setBreed(boolean value);
}
