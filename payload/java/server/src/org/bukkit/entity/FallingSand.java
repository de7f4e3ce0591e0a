package org.bukkit.entity;

public interface FallingSand extends FallingBlock {
}
