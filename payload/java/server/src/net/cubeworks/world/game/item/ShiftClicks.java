package net.cubeworks.world.game.item;

import net.cubeworks.world.level.Items;

/**
 * Shift-click, by the game's rules for each window: out of a container into the player's slots,
 * from the player's into the container (where the container says: a furnace takes what smelts
 * into its input and fuel into its fuel slot), within the player's own window between the armour,
 * the main inventory and the hot bar, and a crafting result made as often as it fits.
 */
final class ShiftClicks {
    /** Shift-clicks repeat while the slot keeps the same item; a bound so a fault cannot loop for ever. */
    private static final int MOST_REPEATS = 128;

    private ShiftClicks() {
    }

    /** Shift-click: moves the slot's items to the other part of the window, again while the slot keeps the same item. */
    static WindowClicks.Outcome shiftClick(Window w, int slot) {
        int id = w.item(slot);
        int count = w.count(slot);
        int data = w.data(slot);
        if (!transfer(w, slot)) {
            return WindowClicks.NOTHING;
        }
        for (int i = 0; i < MOST_REPEATS && w.count(slot) > 0 && w.item(slot) == id; i++) {
            if (!transfer(w, slot)) {
                break;
            }
        }
        return WindowClicks.itemOf(id, count, data);
    }

    /** One move of a shift-click; false when nothing moved. */
    private static boolean transfer(Window w, int slot) {
        int count = w.count(slot);
        if (count == 0) {
            return false;
        }
        int id = w.item(slot);
        int first;
        int end;
        boolean backwards = false;
        int main = w.mainFirst();
        int hotbar = w.hotbarFirst();
        int piece = Items.armourPiece(id);
        int[] into = w.isContainer() && w.inPlayerInventory(slot) ? w.container.shiftInto(id, w.data(slot)) : null;
        if (into != null && into.length == 0) {
            // nothing of the container takes it: between the main inventory and the hot bar
            first = slot < hotbar ? hotbar : main;
            end = slot < hotbar ? w.size() : hotbar;
        } else if (into != null) {
            first = into[0];
            end = into[1];
        } else if (w.isContainer()) {
            // out of the container into the player's slots (a chest's: the hot bar's end first); the player's into the container
            boolean fromContainer = !w.inPlayerInventory(slot);
            first = fromContainer ? main : 0;
            end = fromContainer ? w.size() : main;
            backwards = fromContainer && w.container.shiftOutBackwards(slot);
        } else if (w.isResult(slot)) {
            first = main;
            end = w.size();
            backwards = true;
        } else if (!w.inPlayerInventory(slot) || (!w.table && slot >= 5 && slot <= 8)) {
            first = main;
            end = w.size();
        } else if (!w.table && piece != Items.NOT_ARMOUR && w.count(5 + piece) == 0) {
            first = 5 + piece;
            end = first + 1;
        } else if (slot < hotbar) {
            first = hotbar;
            end = w.size();
        } else {
            first = main;
            end = hotbar;
        }
        if (w.isResult(slot)) {
            // crafts only when the whole result fits, so no result is made and lost
            if (room(w, slot, first, end) < count) {
                return false;
            }
            merge(w, slot, first, end, true);
            w.useIngredients();
            return true;
        }
        merge(w, slot, first, end, backwards);
        if (w.isGrid(slot)) {
            w.updateResult();
        }
        return w.count(slot) != count;
    }

    /** How many of the slot's item the slots first to end could take. */
    private static int room(Window w, int from, int first, int end) {
        int max = Items.maxStack(w.item(from));
        int room = 0;
        for (int s = first; s < end; s++) {
            if (w.count(s) == 0) {
                room += max;
            } else if (max > 1 && WindowClicks.same(w, s, from)) {
                room += Math.max(0, max - w.count(s));
            }
        }
        return room;
    }

    /** Moves the slot's items into the slots first to end: onto stacks of the same item, then into the first empty slot. */
    private static void merge(Window w, int from, int first, int end, boolean backwards) {
        int max = Items.maxStack(w.item(from));
        int step = backwards ? -1 : 1;
        int start = backwards ? end - 1 : first;
        if (max > 1) {
            for (int s = start; s >= first && s < end && w.count(from) > 0; s += step) {
                int most = Math.min(max, w.limit(s));
                if (s == from || w.count(s) == 0 || !WindowClicks.same(w, s, from) || w.count(s) >= most) {
                    continue;
                }
                int put = Math.min(most - w.count(s), w.count(from));
                w.set(s, w.item(s), w.count(s) + put, w.data(s), w.tag(s));
                w.set(from, w.item(from), w.count(from) - put, w.data(from), w.tag(from));
            }
        }
        if (w.count(from) > 0) {
            for (int s = start; s >= first && s < end; s += step) {
                if (s != from && w.count(s) == 0) {
                    // a slot that holds fewer (a brewing stand's bottle) takes what it holds, the rest stays
                    int put = Math.min(w.count(from), w.limit(s));
                    w.set(s, w.item(from), put, w.data(from), w.tag(from));
                    w.set(from, w.item(from), w.count(from) - put, w.data(from), w.tag(from));
                    break;
                }
            }
        }
    }
}
