package org.bukkit.entity;

public interface Weather extends Entity {
}
