package org.bukkit.entity;

import org.bukkit.util.Vector;

/**
 * An entity that can be ridden. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface Vehicle extends Entity {
    Vector getVelocity();
    void setVelocity(Vector velocity);
}
