package org.bukkit.entity;

public interface ThrownExpBottle extends Projectile {
}
