package org.bukkit.entity;

public interface Ghast extends Flying {
}
