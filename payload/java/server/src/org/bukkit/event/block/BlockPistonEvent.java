package org.bukkit.event.block;

import org.bukkit.Material;
import org.bukkit.block.Block;
import org.bukkit.block.BlockFace;
import org.bukkit.event.Cancellable;

/**
 * A piston moves; the block is the piston itself.
 */
public abstract class BlockPistonEvent extends BlockEvent implements Cancellable {
    private final BlockFace direction;
    private boolean cancelled;

    public BlockPistonEvent(final Block block, final BlockFace direction) {
        super(block);
        this.direction = direction;
    }

    public BlockFace getDirection() {
        return direction;
    }

    /** Whether the piston is a sticky one. */
    public boolean isSticky() {
        return block.getType() == Material.PISTON_STICKY_BASE;
    }


    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }
}
