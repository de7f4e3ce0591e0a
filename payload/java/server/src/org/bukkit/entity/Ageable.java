package org.bukkit.entity;

/**
 * An entity that ages: a baby grows up, and adults can breed. This server simulates players only,
 * so no entity of this kind exists here.
 */
public interface Ageable extends Creature {
    boolean canBreed();
    int getAge();
    boolean getAgeLock();
    boolean isAdult();
    void setAdult();
    void setAge(int age);
    void setAgeLock(boolean ageLock);
    void setBaby();
    void setBreed(boolean breed);
}
