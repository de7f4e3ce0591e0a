package org.bukkit.entity;

import org.bukkit.GameMode;
import org.bukkit.permissions.Permissible;

/** A human in the world: a player. */
public interface HumanEntity extends Entity, Permissible {
    String getName();

    GameMode getGameMode();

    void setGameMode(GameMode mode);
}
