package org.bukkit.entity;

/**
 * An experience orb in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface ExperienceOrb extends Entity {
    int getExperience();
    void setExperience(int experience);
}
