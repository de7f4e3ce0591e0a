package org.bukkit.entity;

public interface LargeFireball extends Fireball {
}
