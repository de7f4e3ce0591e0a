package org.bukkit.entity;

public interface Chicken extends Animals {
}
