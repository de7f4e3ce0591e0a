package org.bukkit.entity;

public interface EnderPearl extends Projectile {
}
