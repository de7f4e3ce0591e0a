package org.bukkit.entity;

public interface Egg extends Projectile {
}
