package org.bukkit.entity;

public interface Snowman extends Golem {
}
