package org.bukkit.entity;

public interface Ambient extends LivingEntity {
}
