package net.cubeworks.world.game.item;

import static org.junit.Assert.assertEquals;

import java.util.HashMap;
import java.util.Map;
import java.util.Random;

import org.junit.Test;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.level.BlockEntity;

/**
 * Random clicks of every mode on container windows (a chest's kind, a furnace's, a brewing
 * stand's) neither make nor lose an item: what is in the window, on the cursor and thrown out
 * stays the same, kind by kind, after every click.
 */
public class ClickConservationTest {
    private static final int[][] KINDS = {{3, 0}, {3, 1}, {368, 0}, {267, 0}, {374, 0}, {372, 0}, {15, 0}, {263, 0}};

    private static Map<String, Integer> count(Window w) {
        Map<String, Integer> n = new HashMap<String, Integer>();
        for (int s = -1; s < w.size(); s++) {
            if (w.count(s) > 0) {
                n.merge(w.item(s) + ":" + w.data(s), w.count(s), Integer::sum);
            }
        }
        for (PlayerInventory.Waiting t : w.inventory().thrown) {
            n.merge(t.id + ":" + t.data, t.count, Integer::sum);
        }
        return n;
    }

    private static void fill(Window w, Random r) {
        for (int s = 0; s < w.size(); s++) {
            if (r.nextInt(3) == 0) {
                int[] k = KINDS[r.nextInt(KINDS.length)];
                int max = net.cubeworks.world.level.Items.maxStack(k[0]);
                if (w.accepts(s, k[0])) {
                    w.set(s, k[0], 1 + r.nextInt(Math.min(max, w.limit(s))), k[1], null);
                }
            }
        }
    }

    private static void clickAtRandom(Window w, Random r, int clicks, String what) {
        Map<String, Integer> before = count(w);
        for (int i = 0; i < clicks; i++) {
            int mode = r.nextInt(7);
            int slot = r.nextInt(12) == 0 ? WindowClicks.OUTSIDE : r.nextInt(w.size());
            int button = mode == 5 ? new int[] {0, 1, 2, 4, 5, 6}[r.nextInt(6)] : mode == 2 ? r.nextInt(9) : r.nextInt(2);
            WindowClicks.click(w, slot, button, mode, false);
            assertEquals(what + ", click " + i + " (mode " + mode + ", slot " + slot + ", button " + button + ")", before, count(w));
        }
    }

    @Test
    public void noClickMakesOrLosesAnItem() {
        Random r = new Random(31);
        for (int round = 0; round < 30; round++) {
            PlayerInventory chestInv = new PlayerInventory();
            BlockEntity.Container dispenser = new BlockEntity.Container(BlockEntity.DISPENSER, 0, 64, 0, 9);
            BlockSlots slots = new BlockSlots(dispenser, dispenser.id, dispenser.slots, (s, by) -> { });
            Window w = Window.container(1, slots, Window.TYPE_DISPENSER, "container.dispenser", null, chestInv);
            fill(w, r);
            clickAtRandom(w, r, 300, "dispenser round " + round);

            PlayerInventory furnaceInv = new PlayerInventory();
            BlockEntity.Furnace furnace = new BlockEntity.Furnace(0, 64, 0);
            Window f = Window.container(2, new FurnaceSlots(furnace, SmeltingBook.standard(), (s, by) -> { }),
                    Window.TYPE_FURNACE, "container.furnace", null, furnaceInv);
            fill(f, r);
            clickAtRandom(f, r, 300, "furnace round " + round);

            PlayerInventory standInv = new PlayerInventory();
            BlockEntity.Container stand = new BlockEntity.Container(BlockEntity.BREWING_STAND, 0, 64, 0, 4);
            Window b = Window.container(3, new BlockSlots(stand, stand.id, stand.slots, (s, by) -> { }),
                    Window.TYPE_BREWING, "container.brewing", null, standInv);
            fill(b, r);
            clickAtRandom(b, r, 300, "brewing stand round " + round);
        }
    }
}
