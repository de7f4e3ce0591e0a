package net.cubeworks.world.game.item;

import net.cubeworks.world.level.Items;

/**
 * What a Click Window does to a window and the cursor, by the game's rules for each mode:
 * 0 click (button 0 left, 1 right), 1 shift-click, 2 number key (button: the hot-bar slot),
 * 3 middle click (creative), 4 drop (Q, ctrl-Q), 5 drag (buttons 0/4/8 start a left, right or
 * middle drag, 1/5/9 add a slot, 2/6/10 end it), 6 double-click. Each click gives back what
 * the client computes for the same click, which it sends with it: the clicked slot's item
 * before a plain click, the item a shift-click moved, nothing for the other modes.
 *
 * A click that throws items (Q or ctrl-Q over a slot, a click outside the window with items on
 * the cursor) takes them out of the window into the inventory's {@link PlayerInventory#thrown},
 * for the world to put on the ground.
 */
public final class WindowClicks {
    static final int OUTSIDE = -999;

    /** What one click came to. */
    public static final class Outcome {
        /** Refused outright: the click changed nothing and the client is sent the window again. */
        final boolean refused;
        /** The item the client must have sent with the click (id 0: none). */
        final int id;
        final int count;
        final int data;

        Outcome(boolean refused, int id, int count, int data) {
            this.refused = refused;
            this.id = id;
            this.count = count;
            this.data = data;
        }

        /** Whether the item the client sent (id -1 or 0 for none) is the one expected. */
        public boolean matches(int clientId, int clientCount, int clientData) {
            if (refused) {
                return false;
            }
            if (id == 0) {
                return clientId <= 0;
            }
            return clientId == id && clientCount == count && clientData == data;
        }
    }

    static final Outcome NOTHING = new Outcome(false, 0, 0, 0);
    public static final Outcome REFUSED = new Outcome(true, 0, 0, 0);

    private WindowClicks() {
    }

    static Outcome itemOf(int id, int count, int data) {
        return id <= 0 || count <= 0 ? NOTHING : new Outcome(false, id, count, data);
    }

    static boolean same(Window w, int a, int b) {
        return w.item(a) == w.item(b) && w.data(a) == w.data(b) && tagsEqual(w.tag(a), w.tag(b));
    }

    private static boolean tagsEqual(Object a, Object b) {
        return a == null ? b == null : a.equals(b);
    }

    /** Whether the cursor's item may join the slot: the slot is empty, or holds the same item with room (if sized). */
    private static boolean canAdd(Window w, int slot, boolean sizeMatters) {
        if (w.count(slot) == 0) {
            return true;
        }
        int cursor = Window.CURSOR;
        return same(w, slot, cursor)
                && w.count(slot) + (sizeMatters ? 0 : w.count(cursor)) <= Items.maxStack(w.item(cursor));
    }

    /** Applies one click; the grid's result is up to date afterwards. */
    public static Outcome click(Window w, int slot, int button, int mode, boolean creative) {
        PlayerInventory inv = w.inventory();
        Outcome o;
        if (mode == 5) {
            o = drag(w, slot, button, creative);
        } else if (inv.dragStage != 0) {
            // any other click ends a drag under way, and does nothing else
            endDrag(inv);
            o = NOTHING;
        } else if ((mode == 0 || mode == 1) && (button == 0 || button == 1)) {
            if (slot == OUTSIDE) {
                throwCursor(w, button == 0 ? w.count(Window.CURSOR) : 1);
                o = NOTHING;
            } else if (!w.valid(slot)) {
                o = REFUSED;
            } else {
                o = mode == 1 ? ShiftClicks.shiftClick(w, slot) : plainClick(w, slot, button);
            }
        } else if (mode == 2 && button >= 0 && button < 9) {
            o = w.valid(slot) ? numberKey(w, slot, button) : REFUSED;
        } else if (mode == 3) {
            if (creative && w.count(Window.CURSOR) == 0 && w.valid(slot) && w.count(slot) > 0) {
                w.set(Window.CURSOR, w.item(slot), Items.maxStack(w.item(slot)), w.data(slot), w.tag(slot));
            }
            o = NOTHING;
        } else if (mode == 4) {
            if (w.count(Window.CURSOR) == 0 && w.valid(slot) && w.count(slot) > 0) {
                throwFromSlot(w, slot, button == 0 ? 1 : w.count(slot));
            }
            o = NOTHING;
        } else if (mode == 6) {
            o = w.valid(slot) ? collect(w, slot, button) : REFUSED;
        } else {
            o = NOTHING;
        }
        w.updateResult();
        return o;
    }

    /** Throws as many from the cursor (all there are at most). */
    private static void throwCursor(Window w, int n) {
        int cur = Window.CURSOR;
        int take = Math.min(n, w.count(cur));
        if (take <= 0) {
            return;
        }
        w.inventory().thrown.add(new PlayerInventory.Waiting(w.item(cur), take, w.data(cur), w.tag(cur)));
        w.set(cur, w.item(cur), w.count(cur) - take, w.data(cur), w.tag(cur));
    }

    /** Q over a slot: throws one (ctrl: all) of it; from the result, the whole result, made of the grid's items. */
    private static void throwFromSlot(Window w, int slot, int n) {
        int take = w.isResult(slot) ? w.count(slot) : Math.min(n, w.count(slot));
        w.inventory().thrown.add(new PlayerInventory.Waiting(w.item(slot), take, w.data(slot), w.tag(slot)));
        w.set(slot, w.item(slot), w.count(slot) - take, w.data(slot), w.tag(slot));
        if (w.isResult(slot)) {
            w.useIngredients();
        }
    }

    private static Outcome plainClick(Window w, int slot, int button) {
        int cur = Window.CURSOR;
        Outcome before = itemOf(w.item(slot), w.count(slot), w.data(slot));
        int slotCount = w.count(slot);
        int cursorCount = w.count(cur);
        if (slotCount == 0) {
            if (cursorCount > 0 && w.accepts(slot, w.item(cur))) {
                int put = Math.min(button == 0 ? cursorCount : 1, w.limit(slot));
                w.set(slot, w.item(cur), put, w.data(cur), w.tag(cur));
                w.set(cur, w.item(cur), cursorCount - put, w.data(cur), w.tag(cur));
            }
        } else if (cursorCount == 0) {
            // the result slot gives its whole stack whichever button, as the game's does
            int take = w.isResult(slot) || button == 0 ? slotCount : (slotCount + 1) / 2;
            w.set(cur, w.item(slot), take, w.data(slot), w.tag(slot));
            w.set(slot, w.item(slot), slotCount - take, w.data(slot), w.tag(slot));
            if (w.isResult(slot)) {
                w.useIngredients();
            }
        } else if (w.accepts(slot, w.item(cur))) {
            if (same(w, slot, cur)) {
                int put = button == 0 ? cursorCount : 1;
                put = Math.min(put, w.limit(slot) - slotCount);
                put = Math.min(put, Items.maxStack(w.item(cur)) - slotCount);
                if (put > 0) {
                    w.set(cur, w.item(cur), cursorCount - put, w.data(cur), w.tag(cur));
                    w.set(slot, w.item(slot), slotCount + put, w.data(slot), w.tag(slot));
                }
            } else if (cursorCount <= w.limit(slot)) {
                swap(w, slot, cur);
            }
        } else if (same(w, slot, cur) && Items.maxStack(w.item(cur)) > 1
                && slotCount + cursorCount <= Items.maxStack(w.item(cur))) {
            // a slot that takes nothing (the result): its items join those on the cursor
            w.set(cur, w.item(cur), cursorCount + slotCount, w.data(cur), w.tag(cur));
            w.set(slot, 0, 0, 0, null);
            if (w.isResult(slot)) {
                w.useIngredients();
            }
        }
        return before;
    }

    private static void swap(Window w, int a, int b) {
        int id = w.item(a);
        int count = w.count(a);
        int data = w.data(a);
        Object tag = w.tag(a);
        w.copy(b, a);
        w.set(b, id, count, data, tag);
    }

    /** Number key: the slot and the hot-bar slot trade places. */
    private static Outcome numberKey(Window w, int slot, int key) {
        int hb = w.hotbarSlot(key);
        if (hb == slot) {
            return NOTHING;
        }
        boolean hotbarEmpty = w.count(hb) == 0;
        boolean slotEmpty = w.count(slot) == 0;
        if (!slotEmpty && (hotbarEmpty || (w.inPlayerInventory(slot) && w.accepts(slot, w.item(hb))))) {
            boolean result = w.isResult(slot);
            swap(w, slot, hb);
            if (result) {
                w.useIngredients();
            }
        } else if (!slotEmpty) {
            // the hot-bar item cannot go in the slot: it moves to the first empty slot of the inventory instead
            int empty = w.inventory().firstEmpty();
            if (empty < 0) {
                return NOTHING;
            }
            PlayerInventory inv = w.inventory();
            int id = w.item(hb);
            int count = w.count(hb);
            int data = w.data(hb);
            Object tag = w.tag(hb);
            boolean result = w.isResult(slot);
            w.copy(slot, hb);
            w.set(slot, 0, 0, 0, null);
            inv.give(id, count, data, tag, new java.util.ArrayList<Integer>());
            if (result) {
                w.useIngredients();
            }
        } else if (!hotbarEmpty && w.accepts(slot, w.item(hb))) {
            w.copy(hb, slot);
            w.set(hb, 0, 0, 0, null);
        }
        return NOTHING;
    }

    /** Double-click on a slot just emptied: items like those on the cursor gather onto it, part stacks first. */
    private static Outcome collect(Window w, int slot, int button) {
        int cur = Window.CURSOR;
        if (w.count(cur) == 0 || w.count(slot) > 0) {
            return NOTHING;
        }
        int max = Items.maxStack(w.item(cur));
        int start = button == 0 ? 0 : w.size() - 1;
        int step = button == 0 ? 1 : -1;
        for (int pass = 0; pass < 2; pass++) {
            for (int s = start; s >= 0 && s < w.size() && w.count(cur) < max; s += step) {
                if (w.isResult(s) || w.count(s) == 0 || !canAdd(w, s, true)
                        || (pass == 0 && w.count(s) == Items.maxStack(w.item(s)))) {
                    continue;
                }
                int take = Math.min(max - w.count(cur), w.count(s));
                w.set(cur, w.item(cur), w.count(cur) + take, w.data(cur), w.tag(cur));
                w.set(s, w.item(s), w.count(s) - take, w.data(s), w.tag(s));
            }
        }
        return NOTHING;
    }

    private static void endDrag(PlayerInventory inv) {
        inv.dragStage = 0;
        inv.dragSlots.clear();
    }

    /**
     * Drag: the start (button &amp; 3 = 0, kind button &gt;&gt; 2), the slots added (1), the end (2)
     * that spreads the cursor over them: evenly for a left drag, one each for a right drag, a
     * full stack each for a middle drag (creative only). A step out of order ends the drag.
     */
    private static Outcome drag(Window w, int slot, int button, boolean creative) {
        PlayerInventory inv = w.inventory();
        int cur = Window.CURSOR;
        int stage = button & 3;
        int was = inv.dragStage;
        boolean inOrder = stage == 0 ? was == 0 : was == 1;
        if (!inOrder || w.count(cur) == 0) {
            endDrag(inv);
            return NOTHING;
        }
        if (stage == 0) {
            int kind = (button >> 2) & 3;
            if (kind == 0 || kind == 1 || (kind == 2 && creative)) {
                inv.dragStage = 1;
                inv.dragKind = kind;
                inv.dragSlots.clear();
            } else {
                endDrag(inv);
            }
            return NOTHING;
        }
        if (stage == 1) {
            if (w.valid(slot) && !w.isResult(slot) && canAdd(w, slot, true) && w.accepts(slot, w.item(cur))
                    && w.count(cur) > inv.dragSlots.size()) {
                inv.dragSlots.add(slot);
            }
            return NOTHING;
        }
        if (stage != 2) {
            endDrag(inv);
            return NOTHING;
        }
        int id = w.item(cur);
        int data = w.data(cur);
        Object tag = w.tag(cur);
        int total = w.count(cur);
        int n = inv.dragSlots.size();
        int left = total;
        int max = Items.maxStack(id);
        for (int s : inv.dragSlots) {
            if (!canAdd(w, s, true) || !w.accepts(s, id) || total < n) {
                continue;
            }
            int had = w.count(s);
            int each = inv.dragKind == 0 ? total / n : inv.dragKind == 1 ? 1 : max;
            int now = Math.min(Math.min(had + each, max), w.limit(s));
            if (now <= had) {
                continue;
            }
            left -= now - had;
            w.set(s, id, now, data, tag);
        }
        w.set(cur, id, Math.max(0, left), data, tag);
        endDrag(inv);
        return NOTHING;
    }
}
