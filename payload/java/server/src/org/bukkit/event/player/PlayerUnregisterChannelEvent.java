package org.bukkit.event.player;

import org.bukkit.entity.Player;

/**
 * A player's client says it no longer listens on a plugin channel.
 */
public class PlayerUnregisterChannelEvent extends PlayerChannelEvent {
    public PlayerUnregisterChannelEvent(final Player player, final String channel) {
        super(player, channel);
    }
}
