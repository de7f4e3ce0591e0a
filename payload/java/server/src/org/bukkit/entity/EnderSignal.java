package org.bukkit.entity;

public interface EnderSignal extends Entity {
}
