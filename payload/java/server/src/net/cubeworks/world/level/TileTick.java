package net.cubeworks.world.level;

/**
 * A block update due at a place: the block id it was asked for (it runs only while that block is
 * still there), when, and its priority among updates due in the same tick (lower first). In a
 * column as read or written, {@code delay} counts the ticks still to wait from the moment the
 * column was written, as the game keeps it in the column's TileTicks.
 */
public final class TileTick {
    public final int x;
    public final int y;
    public final int z;
    public final int blockId;
    public final long delay;
    public final int priority;

    public TileTick(int x, int y, int z, int blockId, long delay, int priority) {
        this.x = x;
        this.y = y;
        this.z = z;
        this.blockId = blockId;
        this.delay = delay;
        this.priority = priority;
    }

    @Override
    public String toString() {
        return "TileTick(" + x + ", " + y + ", " + z + ", block " + blockId + ", in " + delay + ", priority " + priority + ")";
    }
}
