package org.bukkit.plugin.messaging;

import org.bukkit.entity.Player;

/** Receives the messages a client sends on the channels this listener is registered for. */
public interface PluginMessageListener {
    void onPluginMessageReceived(String channel, Player player, byte[] message);
}
