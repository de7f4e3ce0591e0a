package org.bukkit.entity;

import java.util.UUID;

public interface AnimalTamer {
    String getName();
    UUID getUniqueId();
}
