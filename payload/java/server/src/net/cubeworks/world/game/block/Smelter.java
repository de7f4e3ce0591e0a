package net.cubeworks.world.game.block;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Items;
import net.cubeworks.world.level.SlotRow;

/**
 * A furnace's work in one tick, as the game does it: burning fuel counts down; when it is out and
 * the input can smelt, the next fuel is lit (one taken from the fuel slot; a lava bucket leaves
 * its bucket); while it burns and the input can smelt, the smelting counts up, and every 200 ticks
 * one input becomes its result. The input can smelt only while the result slot is empty or holds
 * the same item with room for one more result; otherwise the smelting starts over at 0.
 */
public final class Smelter {
    public static final int INPUT = 0;
    public static final int FUEL = 1;
    public static final int RESULT = 2;
    private static final int LAVA_BUCKET = 327;
    private static final int BUCKET = 325;

    /** What the plugins say about a fuel being lit and an item smelting. */
    public interface Events {
        /**
         * The fuel is about to be lit for ticks: {ticks it burns, 1 when the fuel is used up}, or
         * null when it is not lit.
         */
        int[] burn(BlockEntity.Furnace f, int fuelId, int fuelData, int ticks);

        /**
         * The input is about to become the result: the result to make, {id, count, data}, or
         * null to smelt nothing (the input stays).
         */
        int[] smelt(BlockEntity.Furnace f, int inputId, int inputData, int[] result);
    }

    /** Events that let everything happen as the game does. */
    public static final Events NO_EVENTS = new Events() {
        public int[] burn(BlockEntity.Furnace f, int fuelId, int fuelData, int ticks) {
            return new int[] {ticks, 1};
        }

        public int[] smelt(BlockEntity.Furnace f, int inputId, int inputData, int[] result) {
            return result;
        }
    };

    private Smelter() {
    }

    /** What one tick did. */
    public static final int CHANGED = 1;
    /** The furnace went from burning to out or back. */
    public static final int LIT_CHANGED = 2;

    /**
     * One tick of the furnace; returns CHANGED when its slots changed and LIT_CHANGED when it
     * began or stopped burning (the block then becomes the lit or the unlit furnace).
     */
    public static int tick(BlockEntity.Furnace f, SmeltingBook book, Events events) {
        boolean wasBurning = f.burnTime > 0;
        int out = 0;
        if (f.burnTime > 0) {
            f.burnTime--;
        }
        SlotRow s = f.slots;
        if (f.burnTime == 0 && canSmelt(f, book)) {
            int ticks = book.burnTicks(s.item(FUEL));
            int[] lit = ticks > 0 ? events.burn(f, s.item(FUEL), s.data(FUEL), ticks) : null;
            if (lit != null && lit[0] > 0) {
                f.burnTime = lit[0];
                f.fuelTime = lit[0];
                if (lit[1] != 0) {
                    useFuel(s);
                }
                out |= CHANGED;
            }
        }
        if (f.burnTime > 0 && canSmelt(f, book)) {
            if (++f.cookTime >= SmeltingBook.COOK_TICKS) {
                f.cookTime = 0;
                smelt(f, book, events);
                out |= CHANGED;
            }
        } else {
            f.cookTime = 0;
        }
        if (wasBurning != f.burnTime > 0) {
            out |= LIT_CHANGED | CHANGED;
        }
        return out;
    }

    private static void useFuel(SlotRow s) {
        int id = s.item(FUEL);
        if (id == 0) {
            return;
        }
        if (s.count(FUEL) == 1 && id == LAVA_BUCKET) {
            s.set(FUEL, BUCKET, 1, 0, null); // the bucket stays
        } else {
            s.set(FUEL, id, s.count(FUEL) - 1, s.data(FUEL), s.tag(FUEL));
        }
    }

    /** Whether the input smelts into something the result slot has room for. */
    public static boolean canSmelt(BlockEntity.Furnace f, SmeltingBook book) {
        SlotRow s = f.slots;
        if (s.item(INPUT) == 0) {
            return false;
        }
        SmeltingBook.Smelt r = book.smelting(s.item(INPUT), s.data(INPUT));
        return r != null && fits(s, r.resultId, r.resultData, r.resultCount);
    }

    private static boolean fits(SlotRow s, int id, int data, int count) {
        if (s.item(RESULT) == 0) {
            return true;
        }
        if (s.item(RESULT) != id || s.data(RESULT) != data || s.tag(RESULT) != null) {
            return false;
        }
        int total = s.count(RESULT) + count;
        return total <= 64 && total <= Items.maxStack(id);
    }

    private static void smelt(BlockEntity.Furnace f, SmeltingBook book, Events events) {
        SlotRow s = f.slots;
        SmeltingBook.Smelt r = book.smelting(s.item(INPUT), s.data(INPUT));
        int[] made = events.smelt(f, s.item(INPUT), s.data(INPUT), new int[] {r.resultId, r.resultCount, r.resultData});
        if (made == null) {
            return;
        }
        if (made[0] > 0 && made[1] > 0) {
            if (s.item(RESULT) == 0) {
                s.set(RESULT, made[0], made[1], made[2], null);
            } else if (s.item(RESULT) == made[0] && s.data(RESULT) == made[2]) {
                s.set(RESULT, made[0], Math.min(64, s.count(RESULT) + made[1]), made[2], s.tag(RESULT));
            } else {
                return; // a plugin's result that the slot cannot take: nothing is smelted, nothing lost
            }
        }
        s.set(INPUT, s.item(INPUT), s.count(INPUT) - 1, s.data(INPUT), s.tag(INPUT));
    }

    /** Whether the furnace has anything to do: it burns, or it could light its fuel for its input. */
    public static boolean busy(BlockEntity.Furnace f, SmeltingBook book) {
        return f.burnTime > 0 || f.cookTime > 0 || f.slots.item(FUEL) != 0 && canSmelt(f, book);
    }

    /** The points taking count of the result gives: count times its experience, a fraction a chance of one more. */
    public static int experience(int count, float each, java.util.Random random) {
        if (each <= 0) {
            return 0;
        }
        if (each >= 1) {
            return count; // as in the game, a result worth a point or more gives one point
        }
        float total = count * each;
        int points = (int) Math.floor(total);
        if (points < (int) Math.ceil(total) && random.nextFloat() < total - points) {
            points++;
        }
        return points;
    }
}
