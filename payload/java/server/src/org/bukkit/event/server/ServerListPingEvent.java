package org.bukkit.event.server;

import java.util.Iterator;

import org.bukkit.entity.Player;
import org.bukkit.event.HandlerList;

/** A server list ping: the message of the day and the player limit it answers with may be changed. */
public class ServerListPingEvent extends ServerEvent implements Iterable<Player> {
    private static final HandlerList handlers = new HandlerList();
    private final java.net.InetAddress address;
    private String motd;
    /** Set when the players are counted through {@link #iterator()} instead. */
    private static final int COUNTED = -1;
    private final int numPlayers;
    private int maxPlayers;
    private org.bukkit.util.CachedServerIcon icon;
    private boolean iconSet;

    public ServerListPingEvent(final java.net.InetAddress address, final String motd, final int numPlayers,
            final int maxPlayers) {
        this.address = address;
        this.motd = motd;
        this.numPlayers = numPlayers;
        this.maxPlayers = maxPlayers;
    }

    /** For a ping whose players a subclass lists through {@link #iterator()}; they are counted from it. */
    protected ServerListPingEvent(final java.net.InetAddress address, final String motd, final int maxPlayers) {
        this(address, motd, COUNTED, maxPlayers);
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
        if (numPlayers == COUNTED) {
            int n = 0;
            for (Iterator<Player> it = iterator(); it.hasNext(); it.next()) {
                n++;
            }
            return n;
        }
        return numPlayers;
    }

    public int getMaxPlayers() {
        return maxPlayers;
    }

    public void setMaxPlayers(int maxPlayers) {
        this.maxPlayers = maxPlayers;
    }

    /**
     * The players the answer counts, to remove some from it. Our status answer gives only the
     * count, with no list of names to take players out of, so this refuses as the API allows.
     */
    public Iterator<Player> iterator() throws UnsupportedOperationException {
        throw new UnsupportedOperationException("This server's list ping does not list players");
    }

    /**
     * Sets the icon this answer shows in the client's server list: one the server made
     * ({@link org.bukkit.Bukkit#loadServerIcon}), or null for none.
     */
    public void setServerIcon(org.bukkit.util.CachedServerIcon icon) throws IllegalArgumentException,
            UnsupportedOperationException {
        this.icon = icon;
        this.iconSet = true;
    }

    /** The icon a plugin set for this answer (null: none); not part of Bukkit's API. */
    public org.bukkit.util.CachedServerIcon getServerIconSet() {
        return icon;
    }

    /** Whether a plugin set the icon (to null, too); not part of Bukkit's API. */
    public boolean isServerIconSet() {
        return iconSet;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
