package org.bukkit.entity;

/** Lit TNT about to explode. This server simulates players only, so no entity of this kind exists here. */
public interface TNTPrimed extends Explosive {
    int getFuseTicks();
    Entity getSource();
    void setFuseTicks(int fuseTicks);
}
