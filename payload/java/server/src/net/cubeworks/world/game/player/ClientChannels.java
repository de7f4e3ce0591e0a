package net.cubeworks.world.game.player;

import java.util.Collection;
import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.Set;

/**
 * The plugin channels a player's client listens on: those it registered (REGISTER) and has not
 * dropped again (UNREGISTER), at most 128, so that a client cannot grow the server's memory with
 * names. Read and changed from any thread.
 */
public final class ClientChannels {
    static final int MAX = 128;

    private final Set<String> channels = new LinkedHashSet<String>();

    /** The client registered the channels (listening), or dropped them. */
    public synchronized void listenOn(Collection<String> names, boolean listening) {
        if (!listening) {
            channels.removeAll(names);
            return;
        }
        for (String c : names) {
            if (channels.size() < MAX) {
                channels.add(c);
            }
        }
    }

    public synchronized boolean listensOn(String channel) {
        return channels.contains(channel);
    }

    /** A copy, as the plugin API hands it out. */
    public synchronized Set<String> all() {
        return Collections.unmodifiableSet(new LinkedHashSet<String>(channels));
    }
}
