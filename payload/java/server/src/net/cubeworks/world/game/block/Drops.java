package net.cubeworks.world.game.block;

import java.util.List;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockTable;

/**
 * Where the items go that the world's own doings give (a torch washed away, a falling block landing
 * on a torch) as the block's own drops, dropped through the world's {@link BlockWorld#dropItem}.
 */
public final class Drops {
    private Drops() {
    }

    /** The items a block gives when the world breaks it (as a hand would, without tools). */
    public static void ofBlock(BlockWorld world, int x, int y, int z, int id, int meta) {
        List<BlockTable.Stack> stacks = BlockTable.of(id).roll(meta, false, world.random());
        for (BlockTable.Stack s : stacks) {
            item(world, x + 0.5, y + 0.5, z + 0.5, s.item, s.count, s.data);
        }
    }

    /** One stack dropped at a place. */
    public static void item(BlockWorld world, double x, double y, double z, int itemId, int count, int data) {
        world.dropItem(x, y, z, itemId, count, data);
    }
}
