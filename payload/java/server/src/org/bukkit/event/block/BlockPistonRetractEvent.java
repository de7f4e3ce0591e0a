package org.bukkit.event.block;

import org.bukkit.Location;
import org.bukkit.block.Block;
import org.bukkit.block.BlockFace;
import org.bukkit.event.HandlerList;

/**
 * A piston pulls back; a sticky one pulls the block two in front of it.
 */
public class BlockPistonRetractEvent extends BlockPistonEvent {
    private static final HandlerList handlers = new HandlerList();

    public BlockPistonRetractEvent(final Block block, final BlockFace direction) {
        super(block, direction);
    }

    /** Where the block a sticky piston pulls back stands. */
    public Location getRetractLocation() {
        return block.getRelative(getDirection(), 2).getLocation();
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
