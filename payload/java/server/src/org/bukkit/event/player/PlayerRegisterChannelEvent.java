package org.bukkit.event.player;

import org.bukkit.entity.Player;

/**
 * A player's client says it listens on a plugin channel.
 */
public class PlayerRegisterChannelEvent extends PlayerChannelEvent {
    public PlayerRegisterChannelEvent(final Player player, final String channel) {
        super(player, channel);
    }
}
