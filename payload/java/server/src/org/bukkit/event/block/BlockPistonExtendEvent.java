package org.bukkit.event.block;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

import org.bukkit.block.Block;
import org.bukkit.block.BlockFace;
import org.bukkit.event.HandlerList;

/**
 * A piston pushes out, moving the given number of blocks in front of it.
 */
public class BlockPistonExtendEvent extends BlockPistonEvent {
    private static final HandlerList handlers = new HandlerList();
    private final int length;
    protected List<Block> blocks;

    public BlockPistonExtendEvent(final Block block, final int length, final BlockFace direction) {
        super(block, direction);
        this.length = length;
    }

    public int getLength() {
        return length;
    }

    /** The blocks the piston moves, nearest first. */
    public List<Block> getBlocks() {
        if (blocks == null) {
            List<Block> moved = new ArrayList<Block>();
            for (int i = 1; i <= length; i++) {
                moved.add(block.getRelative(getDirection(), i));
            }
            blocks = Collections.unmodifiableList(moved);
        }
        return blocks;
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
