package org.bukkit.entity;

import java.util.UUID;

/**
 * Someone who can tame animals. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface AnimalTamer {
    String getName();
    UUID getUniqueId();
}
