package org.bukkit.entity;

public interface EnderDragonPart extends ComplexEntityPart, Damageable {
    EnderDragon getParent();
}
