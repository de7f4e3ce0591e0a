package org.bukkit;

import java.util.UUID;

import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.entity.Player;
import org.bukkit.permissions.ServerOperator;

/** A player who may or may not be online. */
public interface OfflinePlayer extends ServerOperator, ConfigurationSerializable {
    boolean isOnline();

    String getName();

    /** The player's UUID: the account's in online mode, else the one made from the name. */
    UUID getUniqueId();

    boolean isBanned();

    void setBanned(boolean banned);

    boolean isWhitelisted();

    void setWhitelisted(boolean value);

    /** The online player, or null when offline. */
    Player getPlayer();

    long getFirstPlayed();

    long getLastPlayed();

    boolean hasPlayedBefore();

    Location getBedSpawnLocation();
}
