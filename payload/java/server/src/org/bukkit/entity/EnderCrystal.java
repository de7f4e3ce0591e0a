package org.bukkit.entity;

public interface EnderCrystal extends Entity {
}
