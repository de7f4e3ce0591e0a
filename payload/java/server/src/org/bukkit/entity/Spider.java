package org.bukkit.entity;

public interface Spider extends Monster {
}
