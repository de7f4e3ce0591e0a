package org.bukkit.entity;

import org.bukkit.inventory.meta.FireworkMeta;

/** A firework in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Firework extends Entity {
    void detonate();
    FireworkMeta getFireworkMeta();
    void setFireworkMeta(FireworkMeta fireworkMeta);
}
