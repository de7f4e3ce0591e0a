package net.md_5.bungee.api.event;

import net.md_5.bungee.api.connection.ProxiedPlayer;
import net.md_5.bungee.api.plugin.Event;

/** Compile-only stand-in: a player has left a server behind the proxy. */
public class ServerDisconnectEvent extends Event {
    private final ProxiedPlayer player;

    public ServerDisconnectEvent(ProxiedPlayer player) {
        this.player = player;
    }

    public ProxiedPlayer getPlayer() {
        return player;
    }
}
