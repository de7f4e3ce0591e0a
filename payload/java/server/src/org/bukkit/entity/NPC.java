package org.bukkit.entity;

public interface NPC extends Creature {
}
