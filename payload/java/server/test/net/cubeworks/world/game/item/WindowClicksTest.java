package net.cubeworks.world.game.item;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

public class WindowClicksTest {
    private final PlayerInventory inv = new PlayerInventory();
    private final Window own = inv.own;

    private static final int LOG = 17;
    private static final int PLANKS = 5;
    private static final int STICK = 280;
    private static final int DIRT = 3;
    private static final int STONE = 1;

    private static WindowClicks.Outcome click(Window w, int slot, int button, int mode) {
        return WindowClicks.click(w, slot, button, mode, false);
    }

    private static void has(Window w, int slot, int id, int count) {
        assertEquals("item in " + slot, count == 0 ? 0 : id, w.item(slot));
        assertEquals("count in " + slot, count, w.count(slot));
    }

    private int total(Window w, int id) {
        int n = 0;
        for (int s = 0; s < w.size(); s++) {
            n += w.item(s) == id && s != Window.RESULT ? w.count(s) : 0;
        }
        return n + (w.item(Window.CURSOR) == id ? w.count(Window.CURSOR) : 0);
    }

    private void fillWith(int id) {
        for (int s = 9; s < 45; s++) {
            inv.set(s, id, 64, 0, null);
        }
    }

    @Test
    public void leftAndRightClicksPickUpSplitPutDownMergeAndSwapAsTheGameDoes() {
        inv.set(36, DIRT, 5, 0, null);
        WindowClicks.Outcome o = click(own, 36, 1, 0);
        assertTrue(o.matches(DIRT, 5, 0));
        assertFalse(o.matches(DIRT, 3, 0));
        has(own, Window.CURSOR, DIRT, 3);
        has(own, 36, DIRT, 2);
        // right-click into an empty slot puts one, left-click onto the same item puts all
        assertTrue(click(own, 9, 1, 0).matches(-1, 0, 0));
        has(own, 9, DIRT, 1);
        click(own, 36, 0, 0);
        has(own, 36, DIRT, 4);
        has(own, Window.CURSOR, DIRT, 0);
        // a different item swaps with the cursor
        inv.set(10, STONE, 7, 0, null);
        click(own, 10, 0, 0);
        click(own, 36, 0, 0);
        has(own, 36, STONE, 7);
        has(own, Window.CURSOR, DIRT, 4);
        // merging stops at the item's own stack size: ender pearls stack to 16
        inv.set(11, 368, 10, 0, null);
        own.set(Window.CURSOR, 368, 10, 0, null);
        click(own, 11, 0, 0);
        has(own, 11, 368, 16);
        has(own, Window.CURSOR, 368, 4);
        // different damage values do not merge: they swap
        inv.set(12, 35, 3, 14, null);
        own.set(Window.CURSOR, 35, 2, 1, null);
        click(own, 12, 0, 0);
        assertEquals(1, own.data(12));
        assertEquals(14, own.data(Window.CURSOR));
        assertEquals(3, own.count(Window.CURSOR));
    }

    @Test
    public void armourSlotsTakeOnlyOnePieceThatFits() {
        own.set(Window.CURSOR, DIRT, 10, 0, null);
        click(own, 5, 0, 0);
        has(own, 5, DIRT, 0);
        own.set(Window.CURSOR, 306, 1, 0, null); // iron helmet
        click(own, 6, 0, 0);
        has(own, 6, 306, 0);
        click(own, 5, 0, 0);
        has(own, 5, 306, 1);
        own.set(Window.CURSOR, 86, 5, 0, null); // a pumpkin may be worn, one of them
        click(own, 8, 0, 0);
        has(own, 8, 86, 0);
        click(own, 5, 0, 0); // five pumpkins do not swap into a slot of one
        has(own, 5, 306, 1);
        click(own, 5, 1, 0);
        has(own, 5, 306, 1);
        own.set(Window.CURSOR, 0, 0, 0, null);
        // shift-click sends boots from the main inventory to the boots' slot, and back
        inv.set(20, 317, 1, 3, null);
        assertTrue(click(own, 20, 0, 1).matches(317, 1, 3));
        has(own, 8, 317, 1);
        click(own, 8, 0, 1);
        has(own, 8, 317, 0);
        has(own, 9, 317, 1);
    }

    @Test
    public void shiftClickMovesBetweenHotbarAndMainFillingStacksFirst() {
        inv.set(40, STONE, 50, 0, null);
        inv.set(12, STONE, 60, 0, null);
        inv.set(30, STONE, 60, 0, null);
        assertTrue(click(own, 40, 0, 1).matches(STONE, 50, 0));
        has(own, 12, STONE, 64);
        has(own, 30, STONE, 64);
        has(own, 9, STONE, 42);
        has(own, 40, STONE, 0);
        click(own, 9, 0, 1);
        has(own, 36, STONE, 42);
        // nowhere to go: nothing moves and the client must have sent nothing
        fillWith(DIRT);
        inv.set(20, STONE, 3, 0, null);
        assertTrue(click(own, 20, 0, 1).matches(-1, 0, 0));
        has(own, 20, STONE, 3);
    }

    @Test
    public void theGridsResultFollowsEveryChangeAndTakingItUsesOneOfEach() {
        own.set(Window.CURSOR, LOG, 3, 0, null);
        click(own, 2, 0, 0);
        has(own, Window.RESULT, PLANKS, 4);
        assertTrue(click(own, Window.RESULT, 0, 0).matches(PLANKS, 4, 0));
        has(own, Window.CURSOR, PLANKS, 4);
        has(own, 2, LOG, 2);
        has(own, Window.RESULT, PLANKS, 4);
        // a right-click takes the whole result too, onto the planks already held
        click(own, Window.RESULT, 1, 0);
        has(own, Window.CURSOR, PLANKS, 8);
        has(own, 2, LOG, 1);
        // the result takes nothing put onto it, and the grid with a stray item makes nothing
        inv.set(3, DIRT, 1, 0, null);
        own.updateResult();
        has(own, Window.RESULT, 0, 0);
        click(own, Window.RESULT, 0, 0);
        has(own, Window.CURSOR, PLANKS, 8);
        has(own, 2, LOG, 1);
        has(own, 3, DIRT, 1);
    }

    @Test
    public void shiftClickOnTheResultCraftsAsManyAsFitAndNoMore() {
        inv.set(1, LOG, 17, 0, null);
        own.updateResult();
        assertTrue(click(own, Window.RESULT, 0, 1).matches(PLANKS, 4, 0));
        has(own, 44, PLANKS, 64);
        has(own, 43, PLANKS, 4);
        has(own, 1, LOG, 0);
        has(own, Window.RESULT, 0, 0);
        // with room for two crafts only, two logs are used and the rest stay
        fillWith(DIRT);
        inv.set(44, PLANKS, 60, 0, null);
        inv.set(43, PLANKS, 60, 0, null);
        inv.set(1, LOG, 5, 0, null);
        own.updateResult();
        click(own, Window.RESULT, 0, 1);
        has(own, 44, PLANKS, 64);
        has(own, 43, PLANKS, 64);
        has(own, 1, LOG, 3);
        has(own, Window.RESULT, PLANKS, 4);
    }

    @Test
    public void aCraftingTableCraftsSticksAndAPickaxeFromPlanks() {
        Window table = Window.craftingTable(1, 0, 64, 0, inv);
        inv.set(36, PLANKS, 5, 0, null);
        click(table, 37, 0, 0);
        has(table, Window.CURSOR, PLANKS, 5);
        // two planks in a column make sticks, shift-clicked into the hot bar's end
        click(table, 5, 1, 0);
        click(table, 8, 1, 0);
        has(table, Window.RESULT, STICK, 4);
        assertTrue(click(table, Window.RESULT, 0, 1).matches(STICK, 4, 0));
        has(table, 45, STICK, 4);
        has(table, 5, PLANKS, 0);
        has(table, Window.RESULT, 0, 0);
        // a right drag lays one plank in each of grid slots 1, 2, 3; not on the result
        click(table, WindowClicks.OUTSIDE, 4, 5);
        for (int s : new int[] {1, Window.RESULT, 2, 3}) {
            click(table, s, 5, 5);
        }
        click(table, WindowClicks.OUTSIDE, 6, 5);
        for (int s = 1; s <= 3; s++) {
            has(table, s, PLANKS, 1);
        }
        has(table, Window.CURSOR, PLANKS, 0);
        // the pickaxe: sticks under the middle plank
        click(table, 45, 0, 0);
        click(table, 5, 1, 0);
        click(table, 8, 1, 0);
        has(table, Window.RESULT, 270, 1);
        click(table, 44, 0, 0); // the two sticks left go down in the hot bar
        click(table, Window.RESULT, 0, 0);
        has(table, Window.CURSOR, 270, 1);
        has(table, Window.RESULT, 0, 0);
        assertEquals(0, total(table, PLANKS));
        assertEquals(2, total(table, STICK));
        // the table's main inventory is the player's: slot 10 is inventory slot 9
        click(table, 10, 0, 0);
        has(own, 9, 270, 1);
    }

    @Test
    public void numberKeysSwapWithTheHotbarAndCraftFromTheResult() {
        inv.set(9, STONE, 10, 0, null);
        inv.set(38, DIRT, 4, 0, null);
        assertTrue(click(own, 9, 2, 2).matches(-1, 0, 0));
        has(own, 9, DIRT, 4);
        has(own, 38, STONE, 10);
        // the result goes to the hot bar and the hot bar's item to the first empty slot
        inv.set(1, LOG, 2, 0, null);
        own.updateResult();
        click(own, Window.RESULT, 2, 2);
        has(own, 38, PLANKS, 4);
        has(own, 36, STONE, 10);
        has(own, 1, LOG, 1);
        // a helmet does not go into the boots' slot: it moves elsewhere, the boots to the hot bar
        inv.set(8, 301, 1, 0, null);
        inv.set(40, 298, 1, 0, null);
        click(own, 8, 4, 2);
        has(own, 40, 301, 1);
        has(own, 8, 0, 0);
        has(own, 37, 298, 1);
    }

    @Test
    public void middleClickClonesOnlyInCreativeAndDropsTakeTheItemsOutToBeThrown() {
        inv.set(20, DIRT, 3, 0, null);
        click(own, 20, 2, 3);
        has(own, Window.CURSOR, DIRT, 0);
        WindowClicks.click(own, 20, 2, 3, true);
        has(own, Window.CURSOR, DIRT, 64);
        has(own, 20, DIRT, 3);
        // a right click outside throws one from the cursor, a left click the rest
        assertFalse(click(own, WindowClicks.OUTSIDE, 1, 0).refused);
        has(own, Window.CURSOR, DIRT, 63);
        assertFalse(click(own, WindowClicks.OUTSIDE, 0, 0).refused);
        has(own, Window.CURSOR, 0, 0);
        // Q throws one of the slot, ctrl-Q the rest; on an empty slot nothing
        assertFalse(click(own, 20, 0, 4).refused);
        has(own, 20, DIRT, 2);
        assertFalse(click(own, 20, 1, 4).refused);
        has(own, 20, 0, 0);
        assertFalse(click(own, 21, 0, 4).refused);
        int[] counts = new int[inv.thrown.size()];
        for (int i = 0; i < counts.length; i++) {
            counts[i] = inv.thrown.get(i).count;
            assertEquals(DIRT, inv.thrown.get(i).id);
        }
        assertEquals("[1, 63, 1, 2]", java.util.Arrays.toString(counts));
        assertTrue(click(own, 60, 0, 0).refused);
    }

    @Test
    public void qOnTheResultThrowsTheWholeResultAndUsesOneOfEachIngredient() {
        inv.set(1, 5, 2, 0, null); // two planks over each other: sticks
        inv.set(3, 5, 2, 0, null);
        own.updateResult();
        int made = own.count(Window.RESULT);
        assertTrue(made > 0);
        click(own, Window.RESULT, 0, 4);
        assertEquals(1, inv.thrown.size());
        assertEquals(made, inv.thrown.get(0).count);
        has(own, 1, 5, 1);
        has(own, 3, 5, 1);
    }

    @Test
    public void leftDragsSplitEvenlyAndStepsOutOfOrderEndTheDrag() {
        own.set(Window.CURSOR, DIRT, 10, 0, null);
        inv.set(12, DIRT, 63, 0, null);
        click(own, WindowClicks.OUTSIDE, 0, 5);
        for (int s : new int[] {9, 10, 12, 5, 11}) {
            click(own, s, 1, 5);
        }
        click(own, WindowClicks.OUTSIDE, 2, 5);
        // the armour slot takes none: two for each of the four others, but the stack of 63 takes one
        has(own, 9, DIRT, 2);
        has(own, 10, DIRT, 2);
        has(own, 11, DIRT, 2);
        has(own, 12, DIRT, 64);
        has(own, 5, DIRT, 0);
        has(own, Window.CURSOR, DIRT, 3);
        assertEquals(10 + 63, total(own, DIRT));
        // a slot added without a start, or an end without a start, does nothing
        click(own, 20, 1, 5);
        click(own, WindowClicks.OUTSIDE, 2, 5);
        has(own, 20, DIRT, 0);
        // a plain click during a drag ends it
        click(own, WindowClicks.OUTSIDE, 4, 5);
        click(own, 21, 5, 5);
        click(own, 22, 0, 0);
        click(own, WindowClicks.OUTSIDE, 6, 5);
        has(own, 21, DIRT, 0);
        has(own, 22, DIRT, 0);
        // a middle drag is creative only
        click(own, WindowClicks.OUTSIDE, 8, 5);
        click(own, 23, 9, 5);
        click(own, WindowClicks.OUTSIDE, 10, 5);
        has(own, 23, DIRT, 0);
        own.set(Window.CURSOR, DIRT, 1, 0, null);
        WindowClicks.click(own, WindowClicks.OUTSIDE, 8, 5, true);
        WindowClicks.click(own, 23, 9, 5, true);
        WindowClicks.click(own, WindowClicks.OUTSIDE, 10, 5, true);
        has(own, 23, DIRT, 64);
    }

    @Test
    public void doubleClickGathersPartStacksFirstAndNeverTheResult() {
        inv.set(1, LOG, 1, 0, null);
        own.updateResult();
        inv.set(36, PLANKS, 30, 0, null);
        inv.set(20, PLANKS, 64, 0, null);
        inv.set(25, PLANKS, 10, 0, null);
        inv.set(26, PLANKS, 5, 1, null);
        click(own, 36, 0, 0);
        click(own, 36, 0, 6);
        has(own, Window.CURSOR, PLANKS, 64);
        has(own, 25, PLANKS, 0);
        has(own, 20, PLANKS, 40);
        has(own, 26, PLANKS, 5);
        // the result stays where it is, and the log with it
        has(own, Window.RESULT, PLANKS, 4);
        has(own, 1, LOG, 1);
        assertEquals(104, total(own, PLANKS) - 5);
    }

    @Test
    public void ingredientsAreUsedExactlyOncePerResultWhateverTheClicks() {
        inv.set(1, LOG, 4, 0, null);
        own.updateResult();
        // pick up, put back, swap and drag with the result showing: only taking it costs a log
        click(own, 1, 0, 0);
        click(own, 1, 0, 0);
        click(own, Window.RESULT, 0, 0);
        click(own, WindowClicks.OUTSIDE, 0, 5);
        click(own, 2, 1, 5);
        click(own, 3, 1, 5);
        click(own, WindowClicks.OUTSIDE, 2, 5);
        // the cursor's planks were spread over the grid: no recipe, the logs stay three
        has(own, 2, PLANKS, 2);
        has(own, 3, PLANKS, 2);
        has(own, 1, LOG, 3);
        has(own, Window.RESULT, 0, 0);
        click(own, 2, 0, 1);
        click(own, 3, 0, 1);
        has(own, Window.RESULT, PLANKS, 4);
        click(own, Window.RESULT, 0, 1);
        assertEquals(16, total(own, PLANKS));
        assertEquals(0, total(own, LOG));
    }

    @Test
    public void closingHandsTheGridAndCursorBackAndKeepsWhatDoesNotFitUntilThereIsRoom() {
        Window table = Window.craftingTable(7, 0, 64, 0, inv);
        table.set(1, LOG, 2, 0, null);
        table.set(9, STICK, 3, 0, null);
        table.set(Window.CURSOR, PLANKS, 5, 0, null);
        table.updateResult();
        assertEquals(0, inv.handBack(table));
        has(own, 36, PLANKS, 5);
        has(own, 37, LOG, 2);
        has(own, 38, STICK, 3);
        for (int s = Window.CURSOR; s <= 9; s++) {
            has(table, s, 0, 0);
        }
        // a full inventory: the grid's items wait, and come back as room is made, none twice
        fillWith(DIRT);
        inv.set(44, LOG, 63, 0, null);
        own.set(2, LOG, 3, 0, null);
        own.set(Window.CURSOR, STICK, 2, 0, null);
        assertEquals(4, inv.handBack(own));
        has(own, 44, LOG, 64);
        has(own, 2, 0, 0);
        has(own, Window.RESULT, 0, 0);
        inv.set(20, 0, 0, 0, null);
        assertEquals(2, inv.giveWaiting());
        has(own, 20, STICK, 2);
        inv.set(21, 0, 0, 0, null);
        assertEquals(0, inv.giveWaiting());
        has(own, 21, LOG, 2);
        assertEquals(0, inv.giveWaiting());
        assertEquals(64 + 2, total(own, LOG));
        assertEquals(2, total(own, STICK));
    }
}
