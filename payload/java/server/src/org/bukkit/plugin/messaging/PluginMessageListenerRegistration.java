package org.bukkit.plugin.messaging;

import org.bukkit.plugin.Plugin;

/** One listener of one plugin on one incoming channel. */
public final class PluginMessageListenerRegistration {
    private final Messenger messenger;
    private final Plugin plugin;
    private final String channel;
    private final PluginMessageListener listener;

    public PluginMessageListenerRegistration(Messenger messenger, Plugin plugin, String channel,
            PluginMessageListener listener) {
        if (messenger == null || plugin == null || channel == null || listener == null) {
            throw new IllegalArgumentException("Messenger, plugin, channel and listener cannot be null");
        }
        this.messenger = messenger;
        this.plugin = plugin;
        this.channel = channel;
        this.listener = listener;
    }

    public String getChannel() {
        return channel;
    }

    public PluginMessageListener getListener() {
        return listener;
    }

    public Plugin getPlugin() {
        return plugin;
    }

    /** True while the registration is still in its messenger. */
    public boolean isValid() {
        return messenger.isRegistrationValid(this);
    }

    @Override
    public boolean equals(Object obj) {
        if (!(obj instanceof PluginMessageListenerRegistration)) {
            return false;
        }
        PluginMessageListenerRegistration o = (PluginMessageListenerRegistration) obj;
        return messenger == o.messenger && plugin == o.plugin && channel.equals(o.channel) && listener == o.listener;
    }

    @Override
    public int hashCode() {
        return ((messenger.hashCode() * 31 + plugin.hashCode()) * 31 + channel.hashCode()) * 31 + listener.hashCode();
    }
}
