package net.cubeworks.world.game;


/**
 * A player's inventory as the client sees it, in window 0 slot numbers: 5 to 8 the armour,
 * 36 to 44 the hot bar, 9 to 35 the main inventory. Changed under the world lock. Item NBT
 * read from a player file is kept opaque, to be written back unchanged.
 */
public final class PlayerInventory {
    static final int SLOTS = 45;
    static final int STACK = 64;
    static final int HOTBAR = 36;

    private final int[] item = new int[SLOTS];
    private final int[] count = new int[SLOTS];
    private final int[] data = new int[SLOTS];
    private final Object[] tag = new Object[SLOTS];

    /** The order in which items are put in: the hot bar first, then the main inventory. */
    private static final int[] FILL_ORDER = new int[36];

    static {
        for (int i = 0; i < 9; i++) {
            FILL_ORDER[i] = 36 + i;
        }
        for (int i = 0; i < 27; i++) {
            FILL_ORDER[9 + i] = 9 + i;
        }
    }

    int item(int slot) {
        return count[slot] > 0 ? item[slot] : 0;
    }

    int count(int slot) {
        return count[slot];
    }

    int data(int slot) {
        return data[slot];
    }

    Object tag(int slot) {
        return tag[slot];
    }

    /** Sets a slot; a count of 0 or an id of 0 empties it. */
    void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
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

    void clear() {
        for (int i = 0; i < SLOTS; i++) {
            set(i, 0, 0, 0, null);
        }
    }

    /** Takes one item from the slot. */
    void takeOne(int slot) {
        if (count[slot] > 0) {
            set(slot, item[slot], count[slot] - 1, data[slot], tag[slot]);
        }
    }

    /**
     * Puts items in, topping up stacks of the same item first and then using empty slots,
     * and adds every slot that changed to changed. False when not everything fitted.
     */
    boolean give(int itemId, int amount, int itemData, java.util.List<Integer> changed) {
        int left = amount;
        for (int pass = 0; pass < 2 && left > 0; pass++) {
            for (int slot : FILL_ORDER) {
                if (left == 0) {
                    break;
                }
                boolean fits = pass == 0
                        ? count[slot] > 0 && item[slot] == itemId && data[slot] == itemData && tag[slot] == null
                                && count[slot] < STACK
                        : count[slot] == 0;
                if (!fits) {
                    continue;
                }
                int put = Math.min(STACK - count[slot], left);
                item[slot] = itemId;
                data[slot] = itemData;
                count[slot] += put;
                left -= put;
                changed.add(slot);
            }
        }
        return left == 0;
    }

    /** A copy of the slots, to try a change on before making it. */
    PlayerInventory copy() {
        PlayerInventory c = new PlayerInventory();
        for (int i = 0; i < SLOTS; i++) {
            c.set(i, item[i], count[i], data[i], tag[i]);
        }
        return c;
    }

    /**
     * Wears the item in the slot by the amount: its damage goes up, and one past the highest
     * the item holds breaks it: one item of the slot is gone (tools do not stack, so the slot
     * is emptied) and the next starts unworn. True when it broke.
     */
    boolean wear(int slot, int amount, int maxDamage) {
        if (count[slot] <= 0 || amount <= 0) {
            return false;
        }
        if (data[slot] + amount > maxDamage) {
            set(slot, item[slot], count[slot] - 1, 0, tag[slot]);
            return true;
        }
        data[slot] += amount;
        return false;
    }
}
