package net.cubeworks.world.game.item;

import net.cubeworks.world.level.SlotRow;

/** A row of item slots: id, count, damage and the item's NBT (kept opaque) in each. */
public final class SlotStore extends SlotRow {
    public SlotStore(int size) {
        super(size);
    }
}
