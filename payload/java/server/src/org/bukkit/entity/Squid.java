package org.bukkit.entity;

public interface Squid extends WaterMob {
}
