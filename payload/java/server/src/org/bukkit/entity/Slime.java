package org.bukkit.entity;

public interface Slime extends LivingEntity {
    int getSize();
    void setSize(int value);
}
