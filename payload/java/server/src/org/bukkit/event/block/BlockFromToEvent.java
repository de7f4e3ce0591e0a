package org.bukkit.event.block;

import org.bukkit.block.Block;
import org.bukkit.block.BlockFace;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * Water or lava flows, or a dragon egg teleports, from one block to another; cancelled, it does not.
 */
public class BlockFromToEvent extends BlockEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    protected Block to;
    protected final BlockFace face;
    private boolean cancelled;

    public BlockFromToEvent(final Block block, final BlockFace face) {
        super(block);
        this.face = face;
    }

    public BlockFromToEvent(final Block block, final Block toBlock) {
        super(block);
        to = toBlock;
        face = BlockFace.SELF;
    }

    public BlockFace getFace() {
        return face;
    }

    public Block getToBlock() {
        if (to == null) {
            to = block.getRelative(face);
        }
        return to;
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
