package org.bukkit.plugin.messaging;

import java.util.Set;

import org.bukkit.plugin.Plugin;

/** Something plugin messages can be sent to: a player's client. */
public interface PluginMessageRecipient {
    void sendPluginMessage(Plugin source, String channel, byte[] message);

    /** The channels the client said it listens on (REGISTER). */
    Set<String> getListeningPluginChannels();
}
