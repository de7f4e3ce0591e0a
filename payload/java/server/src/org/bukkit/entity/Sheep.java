package org.bukkit.entity;

import org.bukkit.material.Colorable;

/** A sheep in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Sheep extends Animals, Colorable {
    boolean isSheared();
    void setSheared(boolean sheared);
}
