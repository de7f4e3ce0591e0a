package net.cubeworks.world.game.item;

/** A row of item slots: id, count, damage and the item's NBT (kept opaque) in each. */
public final class SlotStore {
    private final int[] item;
    private final int[] count;
    private final int[] data;
    private final Object[] tag;

    public SlotStore(int size) {
        item = new int[size];
        count = new int[size];
        data = new int[size];
        tag = new Object[size];
    }

    public int size() {
        return item.length;
    }

    public int item(int slot) {
        return count[slot] > 0 ? item[slot] : 0;
    }

    public int count(int slot) {
        return count[slot];
    }

    public int data(int slot) {
        return data[slot];
    }

    public Object tag(int slot) {
        return tag[slot];
    }

    /** Sets a slot; a count of 0 or an id of 0 empties it. */
    public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
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
}
