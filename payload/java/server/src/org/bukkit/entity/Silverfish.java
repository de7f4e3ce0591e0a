package org.bukkit.entity;

public interface Silverfish extends Monster {
}
