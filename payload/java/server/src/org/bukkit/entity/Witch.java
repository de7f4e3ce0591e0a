package org.bukkit.entity;

public interface Witch extends Monster {
}
