package org.bukkit.entity;

/** An arrow in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Arrow extends Projectile {
    int getKnockbackStrength();
    boolean isCritical();
    void setCritical(boolean critical);
    void setKnockbackStrength(int knockbackStrength);
}
