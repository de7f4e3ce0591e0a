package org.bukkit.plugin.messaging;

/** A plugin sent on a channel it did not register for sending. */
public class ChannelNotRegisteredException extends RuntimeException {
    private static final long serialVersionUID = 2L;

    public ChannelNotRegisteredException() {
        this("Attempted to send a plugin message through an unregistered channel.");
    }

    public ChannelNotRegisteredException(String channel) {
        super("Attempted to send a plugin message through the unregistered channel `" + channel + "'"
                + ". Did you forget to register it?");
    }
}
