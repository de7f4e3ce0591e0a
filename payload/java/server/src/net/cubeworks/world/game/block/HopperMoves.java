package net.cubeworks.world.game.block;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.game.item.BlockSlots;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Items;
import net.cubeworks.world.level.SlotRow;

/**
 * What a hopper may move, as the game has it: into a container it faces (a furnace takes from
 * above into what smelts and from the side fuel only; a brewing stand from above what brews, from
 * the side bottles), and out of the container above it (from a furnace only the result, or the
 * bucket a lava bucket left; from a brewing stand its bottles). One item a move; the slots in
 * their order, the first that has room takes it.
 */
public final class HopperMoves {
    private static final int BUCKET = 325;
    private static final int POTION = 373;
    private static final int GLASS_BOTTLE = 374;

    private HopperMoves() {
    }

    /** The facing of a hopper's data: {dx, dy, dz} toward the container it fills (down, or one of the four sides). */
    public static int[] facing(int data) {
        switch (data & 7) {
            case 2:
                return new int[] {0, 0, -1};
            case 3:
                return new int[] {0, 0, 1};
            case 4:
                return new int[] {-1, 0, 0};
            case 5:
                return new int[] {1, 0, 0};
            default:
                return new int[] {0, -1, 0};
        }
    }

    /** Whether the hopper's data says it is turned off (by redstone power). */
    public static boolean off(int data) {
        return (data & 8) != 0;
    }

    /** The slots of a container of the kind (of size slots) that an item coming from above (or else from a side) may go into. */
    public static int[] slotsInto(String kind, int size, boolean fromAbove) {
        if (BlockEntity.FURNACE.equals(kind)) {
            return new int[] {fromAbove ? Smelter.INPUT : Smelter.FUEL};
        }
        if (BlockEntity.BREWING_STAND.equals(kind)) {
            return fromAbove ? new int[] {3} : new int[] {0, 1, 2};
        }
        return all(size);
    }

    /** The slots of a container of the kind that a hopper below it may take from. */
    public static int[] slotsOutOf(String kind, int size) {
        if (BlockEntity.FURNACE.equals(kind)) {
            return new int[] {Smelter.RESULT, Smelter.FUEL};
        }
        if (BlockEntity.BREWING_STAND.equals(kind)) {
            return new int[] {0, 1, 2};
        }
        return all(size);
    }

    private static int[] all(int size) {
        int[] s = new int[size];
        for (int i = 0; i < size; i++) {
            s[i] = i;
        }
        return s;
    }

    /** Whether the item may leave the slot of a container of the kind downward: of a furnace's fuel, only an empty bucket. */
    public static boolean mayTake(String kind, int slot, int itemId) {
        return !BlockEntity.FURNACE.equals(kind) || slot != Smelter.FUEL || itemId == BUCKET;
    }

    /** Whether the slot of a container of the kind takes the item from a hopper. */
    public static boolean mayPut(String kind, int slot, int itemId, SmeltingBook book) {
        if (BlockEntity.FURNACE.equals(kind)) {
            return slot == Smelter.INPUT || slot == Smelter.FUEL && book.burnTicks(itemId) > 0;
        }
        if (BlockEntity.BREWING_STAND.equals(kind)) {
            return slot == 3 ? BlockSlots.brews(itemId) : itemId == POTION || itemId == GLASS_BOTTLE;
        }
        return true;
    }

    /**
     * Puts up to count of the item into the slots of the rows (a double chest's two, in order),
     * each as the kind allows: slot by slot, into an empty one or onto the same item with room, as
     * the game goes; returns how many went in.
     */
    public static int put(SlotRow[] rows, String kind, int[] slots, int id, int count, int data, Object tag, SmeltingBook book) {
        int left = count;
        int limit = BlockEntity.BREWING_STAND.equals(kind) ? 1 : Math.min(64, Items.maxStack(id));
        for (SlotRow row : rows) {
            for (int s : slots) {
                if (left == 0 || s >= row.size() || !mayPut(kind, s, id, book)) {
                    continue;
                }
                int had = row.count(s);
                boolean fits = had == 0 || row.item(s) == id && row.data(s) == data
                        && (tag == null ? row.tag(s) == null : tag.equals(row.tag(s)));
                if (!fits || had >= limit) {
                    continue;
                }
                int add = Math.min(left, limit - had);
                row.set(s, id, had + add, data, had > 0 ? row.tag(s) : tag);
                left -= add;
            }
        }
        return count - left;
    }
}
