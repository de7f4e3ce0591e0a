package org.bukkit.event.player;

import java.util.Arrays;
import java.util.HashSet;
import java.util.Set;

import org.apache.commons.lang.Validate;
import org.bukkit.Bukkit;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A player chats: the synchronous chat event of older plugins, fired on the main thread beside
 * the asynchronous one. The message, the format and the recipients may be changed.
 */
@Deprecated
public class PlayerChatEvent extends PlayerEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private String message;
    private String format;
    private final Set<Player> recipients;
    private boolean cancelled;

    public PlayerChatEvent(final Player player, final String message) {
        super(player);
        this.message = message;
        format = "<%1$s> %2$s";
        recipients = new HashSet<Player>(Arrays.asList(Bukkit.getOnlinePlayers()));
    }

    public PlayerChatEvent(final Player player, final String message, final String format, final Set<Player> recipients) {
        super(player);
        this.message = message;
        this.format = format;
        this.recipients = recipients;
    }

    public String getMessage() {
        return message;
    }

    public void setMessage(final String message) {
        this.message = message;
    }

    public String getFormat() {
        return format;
    }

    public void setFormat(final String format) {
        this.format = format;
    }

    public Set<Player> getRecipients() {
        return recipients;
    }

    /** Makes another player the sender. */
    public void setPlayer(final Player player) {
        Validate.notNull(player, "Player cannot be null");
        this.player = player;
    }


    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
