package net.cubeworks.world.game;

import net.cubeworks.world.level.SlotRow;

/** A row of item slots: id, count, damage and the item's NBT (kept opaque) in each. */
final class SlotStore extends SlotRow {
    SlotStore(int size) {
        super(size);
    }
}
