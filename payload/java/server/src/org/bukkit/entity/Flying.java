package org.bukkit.entity;

public interface Flying extends LivingEntity {
}
