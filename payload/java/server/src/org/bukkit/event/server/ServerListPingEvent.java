package org.bukkit.event.server;

import org.bukkit.event.HandlerList;

/** A server list ping: the message of the day and the player limit it answers with may be changed. */
public class ServerListPingEvent extends ServerEvent {
    private static final HandlerList handlers = new HandlerList();
    private final java.net.InetAddress address;
    private String motd;
    private final int numPlayers;
    private int maxPlayers;

    public ServerListPingEvent(final java.net.InetAddress address, final String motd, final int numPlayers,
            final int maxPlayers) {
        this.address = address;
        this.motd = motd;
        this.numPlayers = numPlayers;
        this.maxPlayers = maxPlayers;
    }

    public java.net.InetAddress getAddress() {
        return address;
    }

    public String getMotd() {
        return motd;
    }

    public void setMotd(String motd) {
        this.motd = motd;
    }

    public int getNumPlayers() {
        return numPlayers;
    }

    public int getMaxPlayers() {
        return maxPlayers;
    }

    public void setMaxPlayers(int maxPlayers) {
        this.maxPlayers = maxPlayers;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
