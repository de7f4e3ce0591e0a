package org.bukkit.entity;

import org.bukkit.inventory.meta.FireworkMeta;

public interface Firework extends Entity {
    void detonate();
    FireworkMeta getFireworkMeta();
    void setFireworkMeta(FireworkMeta fireworkMeta);
}
