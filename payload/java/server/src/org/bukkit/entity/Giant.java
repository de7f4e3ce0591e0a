package org.bukkit.entity;

public interface Giant extends Monster {
}
