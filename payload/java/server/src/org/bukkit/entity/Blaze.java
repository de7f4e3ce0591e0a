package org.bukkit.entity;

public interface Blaze extends Monster {
}
