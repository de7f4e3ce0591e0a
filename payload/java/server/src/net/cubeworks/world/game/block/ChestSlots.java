package net.cubeworks.world.game.block;

import org.bukkit.entity.HumanEntity;

import net.cubeworks.world.game.item.ContainerSlots;
import net.cubeworks.world.level.SlotRow;

/**
 * The slots a chest's window shows: its own 27, or a double chest's 54, the western or northern
 * half first, as the game orders them. Reads and writes the chests' block entities themselves,
 * so what several players do in one chest is one state; every change is told to the world (the
 * columns are saved, the other viewers shown it).
 */
public final class ChestSlots implements ContainerSlots {
    /** What the world does after a click changed the chest. */
    public interface Changes {
        void changed(ChestSlots slots, HumanEntity by);
    }

    private final SlotRow first;
    private final SlotRow second;
    /** The blocks of the halves, {x, y, z} each, in the order of their slots. */
    public final int[][] places;
    private final Changes changes;

    public ChestSlots(SlotRow first, SlotRow second, int[][] places, Changes changes) {
        this.first = first;
        this.second = second;
        this.places = places;
        this.changes = changes;
    }

    /** Whether this shows the chest at the place (as either half). */
    public boolean shows(int x, int y, int z) {
        for (int[] p : places) {
            if (p[0] == x && p[1] == y && p[2] == z) {
                return true;
            }
        }
        return false;
    }

    public boolean isDouble() {
        return second != null;
    }

    private SlotRow row(int slot) {
        return slot < first.size() ? first : second;
    }

    private int at(int slot) {
        return slot < first.size() ? slot : slot - first.size();
    }

    public int size() {
        return first.size() + (second == null ? 0 : second.size());
    }

    public int item(int slot) {
        return row(slot).item(at(slot));
    }

    public int count(int slot) {
        return row(slot).count(at(slot));
    }

    public int data(int slot) {
        return row(slot).data(at(slot));
    }

    public Object tag(int slot) {
        return row(slot).tag(at(slot));
    }

    public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
        row(slot).set(at(slot), itemId, amount, itemData, itemTag);
    }

    public void changedBy(HumanEntity viewer) {
        changes.changed(this, viewer);
    }
}
