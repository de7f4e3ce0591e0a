package net.cubeworks.world.game.item;

import org.bukkit.entity.HumanEntity;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.SlotRow;

/**
 * A furnace's three slots as one player's window shows them: what smelts (0), fuel (1) and the
 * result (2), which takes nothing. Reads and writes the furnace's block entity itself, so every
 * viewer and the smelting share one state. What the player takes out of the result is counted,
 * for the experience it gives; what the window last showed of the slots and the bars is kept, so
 * that only changes are sent.
 */
public final class FurnaceSlots implements ContainerSlots {
    /** What the world does after a click of the viewer changed the furnace. */
    public interface Changes {
        void changed(FurnaceSlots slots, HumanEntity by);
    }

    public final BlockEntity.Furnace furnace;
    private final SmeltingBook book;
    private final Changes changes;
    /** Results the player took out since the world last looked: {id, data, count}. */
    private int takenId;
    private int takenData;
    private int takenCount;
    /** What the window last showed: each slot's id, count, damage, then cook, burn and fuel ticks. */
    private final int[] shown = new int[12];

    public FurnaceSlots(BlockEntity.Furnace furnace, SmeltingBook book, Changes changes) {
        this.furnace = furnace;
        this.book = book;
        this.changes = changes;
        java.util.Arrays.fill(shown, -1);
    }

    private SlotRow row() {
        return furnace.slots;
    }

    public int size() {
        return 3;
    }

    public int item(int slot) {
        return row().item(slot);
    }

    public int count(int slot) {
        return row().count(slot);
    }

    public int data(int slot) {
        return row().data(slot);
    }

    public Object tag(int slot) {
        return row().tag(slot);
    }

    public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
        SlotRow r = row();
        if (slot == 2 && r.count(2) > 0 && (itemId != r.item(2) || amount < r.count(2))) {
            // taken out of the result (a click puts nothing there): counted for its experience
            int took = itemId == r.item(2) ? r.count(2) - amount : r.count(2);
            if (takenCount > 0 && (takenId != r.item(2) || takenData != r.data(2))) {
                takenCount = 0; // another result: the world was told of the first already
            }
            takenId = r.item(2);
            takenData = r.data(2);
            takenCount += took;
        }
        r.set(slot, itemId, amount, itemData, itemTag);
    }

    public void changedBy(HumanEntity viewer) {
        changes.changed(this, viewer);
    }

    /** What the player took from the result since the last call, {id, data, count}; null for nothing. */
    public int[] takeTaken() {
        if (takenCount <= 0) {
            return null;
        }
        int[] t = {takenId, takenData, takenCount};
        takenCount = 0;
        return t;
    }

    @Override
    public boolean accepts(int slot, int itemId) {
        return slot != 2;
    }

    @Override
    public int[] shiftInto(int itemId, int itemData) {
        if (book.smelting(itemId, itemData) != null) {
            return new int[] {0, 1};
        }
        if (book.burnTicks(itemId) > 0) {
            return new int[] {1, 2};
        }
        return new int[0];
    }

    @Override
    public boolean shiftOutBackwards(int slot) {
        return slot == 2;
    }

    /**
     * The slots (0..2) whose stacks differ from what the window last showed, marking them shown;
     * one bit a slot.
     */
    public int slotsToShow() {
        int bits = 0;
        for (int i = 0; i < 3; i++) {
            if (shown[i * 3] != item(i) || shown[i * 3 + 1] != count(i) || shown[i * 3 + 2] != data(i)) {
                shown[i * 3] = item(i);
                shown[i * 3 + 1] = count(i);
                shown[i * 3 + 2] = data(i);
                bits |= 1 << i;
            }
        }
        return bits;
    }

    /**
     * The window's bars that differ from what it last showed, marking them shown: {property,
     * value} pairs of the game's furnace properties (0 the smelting arrow, 1 the fuel left, 2 the
     * ticks the fuel lasts in all).
     */
    public int[] barsToShow() {
        int[] now = {furnace.cookTime, furnace.burnTime, furnace.fuelTime};
        int n = 0;
        int[] out = new int[6];
        for (int i = 0; i < 3; i++) {
            if (shown[9 + i] != now[i]) {
                shown[9 + i] = now[i];
                out[n++] = i;
                out[n++] = now[i];
            }
        }
        return java.util.Arrays.copyOf(out, n);
    }
}
