package org.bukkit.entity;

public interface WaterMob extends Creature {
}
