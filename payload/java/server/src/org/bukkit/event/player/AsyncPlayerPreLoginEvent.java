package org.bukkit.event.player;

import java.net.InetAddress;
import java.util.UUID;

import org.bukkit.event.Event;
import org.bukkit.event.HandlerList;

/**
 * A player has authenticated and is about to log in; fired off the game thread, so a handler
 * may take its time (a database look-up). Anything but ALLOWED refuses it with the kick message.
 */
public class AsyncPlayerPreLoginEvent extends Event {
    private static final HandlerList handlers = new HandlerList();
    private Result result;
    private String message;
    private final String name;
    private final InetAddress ipAddress;
    private final UUID uniqueId;

    @Deprecated
    public AsyncPlayerPreLoginEvent(final String name, final InetAddress ipAddress) {
        this(name, ipAddress, null);
    }

    public AsyncPlayerPreLoginEvent(final String name, final InetAddress ipAddress, final UUID uniqueId) {
        super(true);
        this.result = Result.ALLOWED;
        this.message = "";
        this.name = name;
        this.ipAddress = ipAddress;
        this.uniqueId = uniqueId;
    }

    public Result getLoginResult() {
        return result;
    }

    public void setLoginResult(final Result result) {
        this.result = result;
    }

    /** The result in the older enum of the synchronous pre-login event (the same names). */
    @Deprecated
    public PlayerPreLoginEvent.Result getResult() {
        return result == null ? null : PlayerPreLoginEvent.Result.valueOf(result.name());
    }

    @Deprecated
    public void setResult(final PlayerPreLoginEvent.Result result) {
        this.result = result == null ? null : Result.valueOf(result.name());
    }

    @Deprecated
    public void disallow(final PlayerPreLoginEvent.Result result, final String message) {
        setResult(result);
        this.message = message;
    }

    public String getKickMessage() {
        return message;
    }

    public void setKickMessage(final String message) {
        this.message = message;
    }

    public void allow() {
        result = Result.ALLOWED;
        message = "";
    }

    public void disallow(final Result result, final String message) {
        this.result = result;
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
