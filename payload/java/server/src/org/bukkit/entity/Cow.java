package org.bukkit.entity;

public interface Cow extends Animals {
}
