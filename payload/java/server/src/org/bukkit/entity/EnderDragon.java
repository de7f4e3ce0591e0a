package org.bukkit.entity;

public interface EnderDragon extends ComplexLivingEntity {
}
