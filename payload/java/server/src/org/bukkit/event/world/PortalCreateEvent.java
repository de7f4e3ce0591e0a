package org.bukkit.event.world;

import java.util.ArrayList;
import java.util.Collection;

import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A portal is about to be made of the given blocks.
 */
public class PortalCreateEvent extends WorldEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final ArrayList<Block> blocks;
    private final CreateReason reason;
    private boolean cancelled;

    public PortalCreateEvent(final Collection<Block> blocks, final World world, final CreateReason reason) {
        super(world);
        this.blocks = new ArrayList<Block>(blocks);
        this.reason = reason;
    }

    public ArrayList<Block> getBlocks() {
        return blocks;
    }

    public CreateReason getReason() {
        return reason;
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

    /** Why a portal is made. */
    public enum CreateReason {
        FIRE,
        OBC_DESTINATION
    }
}
