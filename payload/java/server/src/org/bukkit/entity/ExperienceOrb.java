package org.bukkit.entity;

public interface ExperienceOrb extends Entity {
    int getExperience();
    void setExperience(int value);
}
