package org.bukkit.plugin.messaging;

import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.Set;
import java.util.logging.Level;

import org.bukkit.entity.Player;
import org.bukkit.plugin.Plugin;

/**
 * The plugin channels of one server: the channels each plugin may send on, and the listeners
 * each incoming channel has. A listener that throws is logged; the other listeners still get
 * the message. Safe to use from any thread.
 */
public class StandardMessenger implements Messenger {
    private final Set<PluginMessageListenerRegistration> incoming = new LinkedHashSet<PluginMessageListenerRegistration>();
    private final java.util.Map<Plugin, Set<String>> outgoing = new java.util.LinkedHashMap<Plugin, Set<String>>();

    public boolean isReservedChannel(String channel) {
        validateChannel(channel);
        return channel.equals("REGISTER") || channel.equals("UNREGISTER");
    }

    public synchronized void registerOutgoingPluginChannel(Plugin plugin, String channel) {
        checkPlugin(plugin);
        validateChannel(channel);
        if (isReservedChannel(channel)) {
            throw new ReservedChannelException(channel);
        }
        Set<String> channels = outgoing.get(plugin);
        if (channels == null) {
            channels = new LinkedHashSet<String>();
            outgoing.put(plugin, channels);
        }
        channels.add(channel);
    }

    public synchronized void unregisterOutgoingPluginChannel(Plugin plugin, String channel) {
        checkPlugin(plugin);
        validateChannel(channel);
        Set<String> channels = outgoing.get(plugin);
        if (channels != null) {
            channels.remove(channel);
            if (channels.isEmpty()) {
                outgoing.remove(plugin);
            }
        }
    }

    public synchronized void unregisterOutgoingPluginChannel(Plugin plugin) {
        checkPlugin(plugin);
        outgoing.remove(plugin);
    }

    public PluginMessageListenerRegistration registerIncomingPluginChannel(Plugin plugin, String channel,
            PluginMessageListener listener) {
        checkPlugin(plugin);
        validateChannel(channel);
        if (isReservedChannel(channel)) {
            throw new ReservedChannelException(channel);
        }
        if (listener == null) {
            throw new IllegalArgumentException("Listener cannot be null");
        }
        PluginMessageListenerRegistration result = new PluginMessageListenerRegistration(this, plugin, channel, listener);
        synchronized (this) {
            if (!incoming.add(result)) {
                throw new IllegalArgumentException("This registration already exists");
            }
        }
        return result;
    }

    public synchronized void unregisterIncomingPluginChannel(Plugin plugin, String channel,
            PluginMessageListener listener) {
        checkPlugin(plugin);
        validateChannel(channel);
        incoming.remove(new PluginMessageListenerRegistration(this, plugin, channel, listener));
    }

    public synchronized void unregisterIncomingPluginChannel(Plugin plugin, String channel) {
        checkPlugin(plugin);
        validateChannel(channel);
        for (PluginMessageListenerRegistration r : new LinkedHashSet<PluginMessageListenerRegistration>(incoming)) {
            if (r.getPlugin() == plugin && r.getChannel().equals(channel)) {
                incoming.remove(r);
            }
        }
    }

    public synchronized void unregisterIncomingPluginChannel(Plugin plugin) {
        checkPlugin(plugin);
        for (PluginMessageListenerRegistration r : new LinkedHashSet<PluginMessageListenerRegistration>(incoming)) {
            if (r.getPlugin() == plugin) {
                incoming.remove(r);
            }
        }
    }

    public synchronized Set<String> getOutgoingChannels() {
        Set<String> out = new LinkedHashSet<String>();
        for (Set<String> channels : outgoing.values()) {
            out.addAll(channels);
        }
        return Collections.unmodifiableSet(out);
    }

    public synchronized Set<String> getOutgoingChannels(Plugin plugin) {
        checkPlugin(plugin);
        Set<String> channels = outgoing.get(plugin);
        return channels == null ? Collections.<String>emptySet()
                : Collections.unmodifiableSet(new LinkedHashSet<String>(channels));
    }

    public synchronized Set<String> getIncomingChannels() {
        Set<String> out = new LinkedHashSet<String>();
        for (PluginMessageListenerRegistration r : incoming) {
            out.add(r.getChannel());
        }
        return Collections.unmodifiableSet(out);
    }

    public synchronized Set<String> getIncomingChannels(Plugin plugin) {
        checkPlugin(plugin);
        Set<String> out = new LinkedHashSet<String>();
        for (PluginMessageListenerRegistration r : incoming) {
            if (r.getPlugin() == plugin) {
                out.add(r.getChannel());
            }
        }
        return Collections.unmodifiableSet(out);
    }

    public synchronized Set<PluginMessageListenerRegistration> getIncomingChannelRegistrations(Plugin plugin) {
        checkPlugin(plugin);
        return select(plugin, null);
    }

    public synchronized Set<PluginMessageListenerRegistration> getIncomingChannelRegistrations(String channel) {
        validateChannel(channel);
        return select(null, channel);
    }

    public synchronized Set<PluginMessageListenerRegistration> getIncomingChannelRegistrations(Plugin plugin,
            String channel) {
        checkPlugin(plugin);
        validateChannel(channel);
        return select(plugin, channel);
    }

    private Set<PluginMessageListenerRegistration> select(Plugin plugin, String channel) {
        Set<PluginMessageListenerRegistration> out = new LinkedHashSet<PluginMessageListenerRegistration>();
        for (PluginMessageListenerRegistration r : incoming) {
            if ((plugin == null || r.getPlugin() == plugin) && (channel == null || r.getChannel().equals(channel))) {
                out.add(r);
            }
        }
        return Collections.unmodifiableSet(out);
    }

    public synchronized boolean isRegistrationValid(PluginMessageListenerRegistration registration) {
        if (registration == null) {
            throw new IllegalArgumentException("Registration cannot be null");
        }
        return incoming.contains(registration);
    }

    public synchronized boolean isIncomingChannelRegistered(Plugin plugin, String channel) {
        return !getIncomingChannelRegistrations(plugin, channel).isEmpty();
    }

    public synchronized boolean isOutgoingChannelRegistered(Plugin plugin, String channel) {
        checkPlugin(plugin);
        validateChannel(channel);
        Set<String> channels = outgoing.get(plugin);
        return channels != null && channels.contains(channel);
    }

    /** Hands a client's message to every listener of its channel. */
    public void dispatchIncomingMessage(Player source, String channel, byte[] message) {
        if (source == null) {
            throw new IllegalArgumentException("Player source cannot be null");
        }
        if (message == null) {
            throw new IllegalArgumentException("Message cannot be null");
        }
        validateChannel(channel);
        Set<PluginMessageListenerRegistration> listeners;
        synchronized (this) {
            listeners = select(null, channel);
        }
        for (PluginMessageListenerRegistration r : listeners) {
            try {
                r.getListener().onPluginMessageReceived(channel, source, message);
            } catch (Throwable ex) {
                r.getPlugin().getLogger().log(Level.WARNING, "Could not pass incoming plugin message to "
                        + r.getPlugin().getDescription().getFullName(), ex);
            }
        }
    }

    private static void checkPlugin(Plugin plugin) {
        if (plugin == null) {
            throw new IllegalArgumentException("Plugin cannot be null");
        }
    }

    public static void validateChannel(String channel) {
        if (channel == null) {
            throw new IllegalArgumentException("Channel cannot be null");
        }
        if (channel.length() > Messenger.MAX_CHANNEL_SIZE) {
            throw new ChannelNameTooLongException(channel);
        }
    }

    /** Fails unless the plugin is enabled, registered the channel for sending, and the message fits. */
    public static void validatePluginMessage(Messenger messenger, Plugin source, String channel, byte[] message) {
        if (messenger == null) {
            throw new IllegalArgumentException("Messenger cannot be null");
        }
        if (source == null) {
            throw new IllegalArgumentException("Plugin source cannot be null");
        }
        if (!source.isEnabled()) {
            throw new IllegalArgumentException("Plugin must be enabled to send messages");
        }
        if (message == null) {
            throw new IllegalArgumentException("Message cannot be null");
        }
        if (!messenger.isOutgoingChannelRegistered(source, channel)) {
            throw new ChannelNotRegisteredException(channel);
        }
        if (message.length > Messenger.MAX_MESSAGE_SIZE) {
            throw new MessageTooLargeException(message);
        }
    }
}
