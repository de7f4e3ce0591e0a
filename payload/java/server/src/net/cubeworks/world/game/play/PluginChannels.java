package net.cubeworks.world.game.play;

import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.List;
import java.util.Set;
import java.util.logging.Level;

import org.bukkit.plugin.messaging.Messenger;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.event.ChannelEvents;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The plugin channels between a client and the plugins: REGISTER and UNREGISTER say which
 * channels the client listens on, any other channel's message goes to the plugins listening on
 * it. On the game thread.
 */
public final class PluginChannels {
    public static final String REGISTER = "REGISTER";
    public static final String UNREGISTER = "UNREGISTER";
    private static final Charset UTF8 = Charset.forName("UTF-8");

    private PluginChannels() {
    }

    /** The channel names of a REGISTER or UNREGISTER message: separated by NUL bytes. */
    static List<String> channelNames(byte[] data) {
        List<String> out = new ArrayList<String>();
        for (String name : new String(data, UTF8).split("\u0000")) {
            if (name.length() > 0 && name.length() <= Messenger.MAX_CHANNEL_SIZE) {
                out.add(name);
            }
        }
        return out;
    }

    public static void received(Game game, OnlinePlayer player, String channel, byte[] data) {
        if (REGISTER.equals(channel) || UNREGISTER.equals(channel)) {
            boolean listening = REGISTER.equals(channel);
            Set<String> before = player.getListeningPluginChannels();
            player.listenOn(channelNames(data), listening);
            ChannelEvents.changed(game.host(), player, before, player.getListeningPluginChannels());
        } else if (channel.length() <= Messenger.MAX_CHANNEL_SIZE) {
            Messenger messenger = game.host().api().getMessenger();
            try {
                messenger.dispatchIncomingMessage(player, channel, data);
            } catch (RuntimeException ex) {
                game.logger().log(Level.WARNING, "A plugin message of " + player.getName() + " on " + channel
                        + " was not delivered", ex);
            }
        }
    }

    /** Tells a joining client the channels the plugins listen on, as REGISTER does. */
    static void announce(Game game, OnlinePlayer player) {
        Set<String> channels = game.host().api().getMessenger().getIncomingChannels();
        if (channels.isEmpty()) {
            return;
        }
        StringBuilder sb = new StringBuilder();
        for (String c : channels) {
            if (sb.length() > 0) {
                sb.append('\u0000');
            }
            sb.append(c);
        }
        player.connection().send(PlayPackets.pluginMessage(REGISTER, sb.toString().getBytes(UTF8)));
    }
}
