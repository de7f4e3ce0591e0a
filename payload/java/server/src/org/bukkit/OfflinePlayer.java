package org.bukkit;

import org.bukkit.entity.Player;
import org.bukkit.permissions.ServerOperator;

/** A player who may or may not be online. */
public interface OfflinePlayer extends ServerOperator {
    boolean isOnline();

    String getName();

    boolean isBanned();

    void setBanned(boolean banned);

    boolean isWhitelisted();

    void setWhitelisted(boolean value);

    /** The online player, or null when offline. */
    Player getPlayer();

    long getFirstPlayed();

    long getLastPlayed();

    boolean hasPlayedBefore();
}
