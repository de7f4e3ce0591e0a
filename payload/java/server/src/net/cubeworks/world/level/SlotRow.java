package net.cubeworks.world.level;

/**
 * A row of item slots: id, count, damage and the item's NBT (kept opaque) in each. A count or
 * id of 0 is an empty slot.
 */
public class SlotRow {
    private final int[] item;
    private final int[] count;
    private final int[] data;
    private final Object[] tag;

    public SlotRow(int size) {
        item = new int[size];
        count = new int[size];
        data = new int[size];
        tag = new Object[size];
    }

    public final int size() {
        return item.length;
    }

    public final int item(int slot) {
        return count[slot] > 0 ? item[slot] : 0;
    }

    public final int count(int slot) {
        return count[slot];
    }

    public final int data(int slot) {
        return data[slot];
    }

    public final Object tag(int slot) {
        return tag[slot];
    }

    /** Sets a slot; a count of 0 or an id of 0 empties it. */
    public final void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
        if (itemId <= 0 || amount <= 0) {
            item[slot] = 0;
            count[slot] = 0;
            data[slot] = 0;
            tag[slot] = null;
            return;
        }
        item[slot] = itemId;
        count[slot] = amount;
        data[slot] = itemData;
        tag[slot] = itemTag;
    }

    /**
     * Puts the same stacks into the other row (as many as both have); the items' tags are
     * shared, as nothing changes a tag in place.
     */
    public final void copyInto(SlotRow to) {
        System.arraycopy(item, 0, to.item, 0, Math.min(item.length, to.item.length));
        System.arraycopy(count, 0, to.count, 0, Math.min(count.length, to.count.length));
        System.arraycopy(data, 0, to.data, 0, Math.min(data.length, to.data.length));
        System.arraycopy(tag, 0, to.tag, 0, Math.min(tag.length, to.tag.length));
    }
}
