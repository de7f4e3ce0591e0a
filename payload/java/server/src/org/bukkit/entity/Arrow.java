package org.bukkit.entity;

public interface Arrow extends Projectile {
    int getKnockbackStrength();
    boolean isCritical();
    void setCritical(boolean value);
    void setKnockbackStrength(int value);
}
