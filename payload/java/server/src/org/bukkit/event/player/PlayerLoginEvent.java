package org.bukkit.event.player;

import java.net.InetAddress;

import org.bukkit.entity.Player;
import org.bukkit.event.HandlerList;

/**
 * A player is logging in. The result comes set by the server's own checks (ban, whitelist, a
 * full server); anything but ALLOWED refuses the player with the kick message.
 */
public class PlayerLoginEvent extends PlayerEvent {
    private static final HandlerList handlers = new HandlerList();
    private final InetAddress address;
    private final String hostname;
    private Result result = Result.ALLOWED;
    private String message = "";

    @Deprecated
    public PlayerLoginEvent(final Player player) {
        this(player, "", null);
    }

    @Deprecated
    public PlayerLoginEvent(final Player player, final String hostname) {
        this(player, hostname, null);
    }

    @Deprecated
    public PlayerLoginEvent(final Player player, final Result result, final String message) {
        this(player, "", null, result, message);
    }

    public PlayerLoginEvent(final Player player, final String hostname, final InetAddress address) {
        super(player);
        this.hostname = hostname;
        this.address = address;
    }

    public PlayerLoginEvent(final Player player, String hostname, final InetAddress address, final Result result,
            final String message) {
        this(player, hostname, address);
        this.result = result;
        this.message = message;
    }

    public Result getResult() {
        return result;
    }

    public void setResult(final Result result) {
        this.result = result;
    }

    public String getKickMessage() {
        return message;
    }

    public void setKickMessage(final String message) {
        this.message = message;
    }

    /** The host name the client says it connected to. */
    public String getHostname() {
        return hostname;
    }

    public void allow() {
        result = Result.ALLOWED;
        message = "";
    }

    public void disallow(final Result result, final String message) {
        this.result = result;
        this.message = message;
    }

    public InetAddress getAddress() {
        return address;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }

    /** Whether the player may log in, or why not. */
    public enum Result {
        ALLOWED,
        KICK_FULL,
        KICK_BANNED,
        KICK_WHITELIST,
        KICK_OTHER
    }
}
