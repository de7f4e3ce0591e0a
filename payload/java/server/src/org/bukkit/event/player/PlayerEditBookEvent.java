package org.bukkit.event.player;

import org.apache.commons.lang.Validate;
import org.bukkit.Bukkit;
import org.bukkit.Material;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;
import org.bukkit.inventory.meta.BookMeta;

/**
 * A player writes in a book and quill, or signs it.
 */
public class PlayerEditBookEvent extends PlayerEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final BookMeta previousBookMeta;
    private BookMeta newBookMeta;
    private final int slot;
    private boolean signing;
    private boolean cancelled;

    public PlayerEditBookEvent(final Player who, final int slot, final BookMeta previousBookMeta, final BookMeta newBookMeta, final boolean isSigning) {
        super(who);
        this.slot = slot;
        this.previousBookMeta = previousBookMeta;
        this.newBookMeta = newBookMeta;
        signing = isSigning;
    }

    public int getSlot() {
        return slot;
    }

    public boolean isSigning() {
        return signing;
    }

    public void setSigning(final boolean signing) {
        this.signing = signing;
    }

    public BookMeta getPreviousBookMeta() {
        return previousBookMeta.clone();
    }

    public BookMeta getNewBookMeta() {
        return newBookMeta.clone();
    }

    public void setNewBookMeta(final BookMeta newBookMeta) throws IllegalArgumentException {
        Validate.notNull(newBookMeta, "New book meta must not be null");
        Bukkit.getItemFactory().asMetaFor(newBookMeta, Material.WRITTEN_BOOK);
        this.newBookMeta = newBookMeta.clone();
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
