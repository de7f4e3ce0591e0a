package org.bukkit.entity;

public interface SmallFireball extends Fireball {
}
