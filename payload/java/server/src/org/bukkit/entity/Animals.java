package org.bukkit.entity;

public interface Animals extends Ageable {
}
