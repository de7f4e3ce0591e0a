package org.bukkit.entity;

public interface MagmaCube extends Slime {
}
