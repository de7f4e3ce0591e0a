package net.cubeworks.world.game.item;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;

import org.junit.Test;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.level.BlockEntity;

/** A furnace's window: its result slot, shift-clicks by what the item is, what a player takes out. */
public class FurnaceWindowTest {
    private final PlayerInventory inv = new PlayerInventory();
    private final BlockEntity.Furnace furnace = new BlockEntity.Furnace(0, 64, 0);
    private int clicks;
    private final FurnaceSlots slots = new FurnaceSlots(furnace, SmeltingBook.standard(), new FurnaceSlots.Changes() {
        public void changed(FurnaceSlots s, org.bukkit.entity.HumanEntity by) {
            clicks++;
        }
    });
    private final Window w = Window.container(1, slots, Window.TYPE_FURNACE, "container.furnace", null, inv);

    private void click(int slot, int button, int mode) {
        WindowClicks.click(w, slot, button, mode, false);
    }

    /** Window slot of inventory slot s (9..44). */
    private static int at(int s) {
        return s - 9 + 3;
    }

    @Test
    public void shiftClickPutsSmeltablesIntoTheInputFuelIntoTheFuelAndTheRestAcross() {
        inv.set(9, 15, 20, 0, null); // iron ore, in the main inventory
        inv.set(10, 263, 5, 1, null); // charcoal
        inv.set(11, 17, 3, 2, null); // a log smelts before it burns
        inv.set(12, 3, 7, 0, null); // dirt neither smelts nor burns
        inv.set(36, 3, 1, 0, null);
        click(at(9), 0, 1);
        assertEquals(15, furnace.slots.item(0));
        assertEquals(20, furnace.slots.count(0));
        click(at(10), 0, 1);
        assertEquals(263, furnace.slots.item(1));
        assertEquals(1, furnace.slots.data(1));
        click(at(11), 0, 1);
        assertEquals("the input holds ore: the log stays", 3, inv.count(11));
        click(at(12), 0, 1);
        assertEquals("dirt from the main inventory joins the hot bar", 8, inv.count(36));
        assertEquals(0, inv.count(12));
        click(at(36), 0, 1);
        assertEquals("and back to the main inventory's first free slot (the ore's)", 8, inv.count(9));
    }

    @Test
    public void theResultTakesNothingAndWhatIsTakenOutIsCounted() {
        furnace.slots.set(2, 265, 10, 0, null);
        inv.set(PlayerInventory.CURSOR, 265, 1, 0, null);
        click(2, 0, 0);
        assertEquals("the result's ingots join the one on the cursor", 11, inv.count(PlayerInventory.CURSOR));
        assertEquals(0, furnace.slots.count(2));
        assertArrayEquals(new int[] {265, 0, 10}, slots.takeTaken());
        inv.set(PlayerInventory.CURSOR, 4, 3, 0, null);
        click(2, 0, 0);
        assertEquals("cobblestone cannot go in", 0, furnace.slots.count(2));
        furnace.slots.set(2, 265, 9, 0, null);
        inv.set(PlayerInventory.CURSOR, 0, 0, 0, null);
        click(2, 1, 0);
        assertEquals("a right click takes half", 5, inv.count(PlayerInventory.CURSOR));
        click(2, 0, 1);
        assertEquals("a shift-click the rest, into the hot bar's end", 4, inv.count(44));
        assertArrayEquals(new int[] {265, 0, 9}, slots.takeTaken());
        assertNull(slots.takeTaken());
    }

    @Test
    public void onlyWhatChangedIsShownAgain() {
        assertEquals(7, slots.slotsToShow());
        assertEquals(0, slots.slotsToShow());
        furnace.cookTime = 5;
        assertArrayEquals(new int[] {0, 5, 1, 0, 2, 0}, slots.barsToShow());
        furnace.cookTime = 6;
        assertArrayEquals(new int[] {0, 6}, slots.barsToShow());
        furnace.slots.set(1, 263, 1, 0, null);
        assertEquals(2, slots.slotsToShow());
    }
}
