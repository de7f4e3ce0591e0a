package org.bukkit.plugin.messaging;

/** Which way a plugin channel carries messages. */
public enum PluginChannelDirection {
    /** From the client to the server. */
    INCOMING,
    /** From the server to the client. */
    OUTGOING
}
