package org.bukkit.entity;

public interface Snowball extends Projectile {
}
