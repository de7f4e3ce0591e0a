package net.cubeworks.world.game.block;

/**
 * Who has a window open over the slots of a block: shown them anew when something other than a
 * click in the window (a hopper's move) changed them.
 */
public interface SlotViewers {
    void changedAt(int x, int y, int z);
}
