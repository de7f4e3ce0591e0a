package org.bukkit.entity;

public interface LeashHitch extends Hanging {
}
