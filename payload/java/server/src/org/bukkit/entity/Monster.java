package org.bukkit.entity;

public interface Monster extends Creature {
}
