package org.bukkit.event.player;

import java.net.InetAddress;
import java.util.UUID;

import org.bukkit.event.Event;
import org.bukkit.event.HandlerList;

/**
 * A player is about to log in: the synchronous pre-login event of older plugins, fired on the
 * login thread after the asynchronous one; anything but ALLOWED refuses him with the message.
 */
@Deprecated
public class PlayerPreLoginEvent extends Event {
    private static final HandlerList handlers = new HandlerList();
    private Result result = Result.ALLOWED;
    private String message = "";
    private final String name;
    private final InetAddress ipAddress;
    private final UUID uniqueId;

    public PlayerPreLoginEvent(final String name, final InetAddress ipAddress) {
        this(name, ipAddress, null);
    }

    public PlayerPreLoginEvent(final String name, final InetAddress ipAddress, final UUID uniqueId) {
        this.name = name;
        this.ipAddress = ipAddress;
        this.uniqueId = uniqueId;
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

    public String getName() {
        return name;
    }

    public InetAddress getAddress() {
        return ipAddress;
    }

    public UUID getUniqueId() {
        return uniqueId;
    }

    public void allow() {
        result = Result.ALLOWED;
        message = "";
    }

    public void disallow(final Result result, final String message) {
        this.result = result;
        this.message = message;
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
