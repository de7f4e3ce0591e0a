package org.bukkit.entity;

public interface Golem extends Creature {
}
