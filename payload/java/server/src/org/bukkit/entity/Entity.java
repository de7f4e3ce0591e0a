package org.bukkit.entity;

import java.util.UUID;

import org.bukkit.Server;

/** Something in the world. */
public interface Entity {
    int getEntityId();

    UUID getUniqueId();

    Server getServer();

    boolean isDead();

    boolean isValid();

    void remove();
}
