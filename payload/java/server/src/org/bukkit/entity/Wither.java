package org.bukkit.entity;

public interface Wither extends Monster {
}
