package net.cubeworks.world.game.item;

import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

import net.cubeworks.world.level.Items;

/**
 * A player's inventory as the client sees it, in window 0 slot numbers: 0 the crafting
 * result, 1 to 4 the 2x2 crafting grid, 5 to 8 the armour, 9 to 35 the main inventory, 36 to
 * 44 the hot bar; and the item on the cursor, the window the player has open and a drag
 * under way. Changed under the world lock. Item NBT read from a player file is kept opaque,
 * to be written back unchanged.
 */
public final class PlayerInventory {
    public static final int SLOTS = 45;
    static final int STACK = 64;
    public static final int HOTBAR = 36;
    /** The slots as the plugin API numbers them, the hot bar first; the armour follows them. */
    public static final int API_SLOTS = 36;
    /** The item the player holds on the cursor while a window is open, kept as slot 45. */
    public static final int CURSOR = SLOTS;

    private final SlotStore slots = new SlotStore(SLOTS + 1);
    /** What the player keeps in ender chests: 27 slots, his own wherever he opens one. */
    public final SlotStore ender = new SlotStore(27);
    /** The player's own window (id 0), always there, and the window open now (the own one when none other is). */
    public final Window own = Window.player(this);
    public Window open = own;
    /** The id of the last window this player was given; the next is one more, 1 to 100 round. */
    public int lastWindowId;
    /** After a refused click: its window and action number; every click is ignored until the client confirms it. */
    public boolean awaitingConfirm;
    public int refusedWindow;
    public int refusedAction;
    /** A drag under way: 0 none, 1 slots being added; its kind (0 split evenly, 1 one each, 2 full stacks) and slots. */
    public int dragStage;
    int dragKind;
    public final Set<Integer> dragSlots = new LinkedHashSet<Integer>();
    /** Items handed back from a closed window that did not fit, given again once there is room. */
    public final List<Waiting> waiting = new ArrayList<Waiting>();
    /** Stacks a click threw out of the window (Q in a window, a click outside it), for the world to put on the ground. */
    public final List<Waiting> thrown = new ArrayList<Waiting>();

    /** A stack waiting for room in the inventory. */
    public static final class Waiting {
        public final int id;
        public final int count;
        public final int data;
        public final Object tag;

        public Waiting(int id, int count, int data, Object tag) {
            this.id = id;
            this.count = count;
            this.data = data;
            this.tag = tag;
        }
    }

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

    /** The window slot of an API index: 0-8 are 36-44, 9-35 themselves, 36-39 (the armour) are 8 down to 5. */
    public static int slotOfApiIndex(int index) {
        if (index >= 0 && index < 9) {
            return HOTBAR + index;
        }
        if (index >= 9 && index < API_SLOTS) {
            return index;
        }
        if (index >= API_SLOTS && index < API_SLOTS + 4) {
            return 8 - (index - API_SLOTS);
        }
        throw new ArrayIndexOutOfBoundsException(index);
    }

    public int item(int slot) {
        return slots.item(slot);
    }

    public int count(int slot) {
        return slots.count(slot);
    }

    public int data(int slot) {
        return slots.data(slot);
    }

    public Object tag(int slot) {
        return slots.tag(slot);
    }

    /** Sets a slot (or CURSOR); a count of 0 or an id of 0 empties it. */
    public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
        slots.set(slot, itemId, amount, itemData, itemTag);
    }

    void clear() {
        for (int i = 0; i <= CURSOR; i++) {
            set(i, 0, 0, 0, null);
        }
    }

    /** Takes one item from the slot. */
    public void takeOne(int slot) {
        if (count(slot) > 0) {
            set(slot, item(slot), count(slot) - 1, data(slot), tag(slot));
        }
    }

    /**
     * Puts items in, topping up stacks of the same item first and then using empty slots,
     * and adds every slot that changed to changed. False when not everything fitted.
     */
    public boolean give(int itemId, int amount, int itemData, List<Integer> changed) {
        return give(itemId, amount, itemData, null, changed) == 0;
    }

    /** As {@link #give(int, int, int, List)} for an item with NBT (which stacks only alone); returns how many did not fit. */
    public int give(int itemId, int amount, int itemData, Object itemTag, List<Integer> changed) {
        int left = amount;
        int max = Items.maxStack(itemId);
        for (int pass = 0; pass < 2 && left > 0; pass++) {
            for (int slot : FILL_ORDER) {
                if (left == 0) {
                    break;
                }
                boolean fits = pass == 0
                        ? count(slot) > 0 && item(slot) == itemId && data(slot) == itemData && tag(slot) == null
                                && itemTag == null && count(slot) < max
                        : count(slot) == 0;
                if (!fits) {
                    continue;
                }
                int put = Math.min(max - count(slot), left);
                set(slot, itemId, count(slot) + put, itemData, pass == 0 ? null : itemTag);
                left -= put;
                changed.add(slot);
            }
        }
        return left;
    }

    /** How many of the item {@link #give} would put in (the room of its stacks and of the empty slots). */
    public int room(int itemId, int itemData, Object itemTag) {
        int max = Items.maxStack(itemId);
        int room = 0;
        for (int slot : FILL_ORDER) {
            if (count(slot) == 0) {
                room += max;
            } else if (item(slot) == itemId && data(slot) == itemData && tag(slot) == null && itemTag == null) {
                room += Math.max(0, max - count(slot));
            }
        }
        return room;
    }

    /**
     * Hands what lies in the window's grid and on the cursor back to the inventory, as a
     * window closes; what does not fit waits for room (see {@link #giveWaiting}). Returns how
     * many items wait.
     */
    public int handBack(Window w) {
        for (int s = Window.CURSOR; s <= w.side() * w.side(); s++) {
            if (s == Window.RESULT || w.count(s) == 0) {
                continue;
            }
            waiting.add(new Waiting(w.item(s), w.count(s), w.data(s), w.tag(s)));
            w.set(s, 0, 0, 0, null);
        }
        w.updateResult();
        dragStage = 0;
        dragSlots.clear();
        return giveWaiting();
    }

    /** Gives back the items waiting for room; returns how many still wait. */
    public int giveWaiting() {
        int left = 0;
        List<Waiting> still = new ArrayList<Waiting>();
        for (Waiting item : waiting) {
            int n = give(item.id, item.count, item.data, item.tag, new ArrayList<Integer>());
            if (n > 0) {
                still.add(new Waiting(item.id, n, item.data, item.tag));
                left += n;
            }
        }
        waiting.clear();
        waiting.addAll(still);
        return left;
    }

    /** The first empty slot of the hot bar and then the main inventory, or -1. */
    int firstEmpty() {
        for (int slot : FILL_ORDER) {
            if (count(slot) == 0) {
                return slot;
            }
        }
        return -1;
    }

    /** A copy of the slots, to try a change on before making it. */
    public PlayerInventory copy() {
        PlayerInventory c = new PlayerInventory();
        for (int i = 0; i < SLOTS; i++) {
            c.set(i, item(i), count(i), data(i), tag(i));
        }
        return c;
    }

    /**
     * Wears the item in the slot by the amount: its damage goes up, and one past the highest
     * the item holds breaks it: one item of the slot is gone (tools do not stack, so the slot
     * is emptied) and the next starts unworn. True when it broke.
     */
    public boolean wear(int slot, int amount, int maxDamage) {
        if (count(slot) <= 0 || amount <= 0) {
            return false;
        }
        if (data(slot) + amount > maxDamage) {
            set(slot, item(slot), count(slot) - 1, 0, tag(slot));
            return true;
        }
        set(slot, item(slot), count(slot), data(slot) + amount, tag(slot));
        return false;
    }
}
