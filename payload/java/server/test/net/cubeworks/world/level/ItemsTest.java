package net.cubeworks.world.level;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

public class ItemsTest {
    private static void stacks(int max, int... ids) {
        for (int id : ids) {
            assertEquals("stack of item " + id, max, Items.maxStack(id));
        }
    }

    @Test
    public void stackSizesAreTheGames() {
        // blocks, materials, food, and the stackable items beside the unstackable ones
        stacks(64, 1, 4, 5, 17, 50, 58, 173, 263, 264, 265, 280, 281, 296, 297, 331, 351, 374, 388, 395, 421);
        // tools, weapons, armour, vehicles, filled buckets, doors, beds, cake, potions, books written in
        stacks(1, 256, 259, 261, 267, 270, 276, 278, 290, 294, 298, 305, 317, 324, 326, 327, 328, 330, 333, 335,
                346, 354, 355, 359, 373, 386, 387, 398, 403, 417, 2256, 2267);
        stacks(16, 323, 325, 332, 344, 368);
    }

    @Test
    public void armourFitsOnlyItsOwnSlotAndAHeadOrPumpkinTheHelmets() {
        assertEquals(Items.HELMET, Items.armourPiece(310));
        assertEquals(Items.CHESTPLATE, Items.armourPiece(303));
        assertEquals(Items.LEGGINGS, Items.armourPiece(316));
        assertEquals(Items.BOOTS, Items.armourPiece(301));
        assertEquals(Items.NOT_ARMOUR, Items.armourPiece(297));
        assertEquals(Items.NOT_ARMOUR, Items.armourPiece(318));
        assertTrue(Items.fitsArmourSlot(86, Items.HELMET));
        assertTrue(Items.fitsArmourSlot(397, Items.HELMET));
        assertFalse(Items.fitsArmourSlot(86, Items.BOOTS));
        assertFalse(Items.fitsArmourSlot(313, Items.LEGGINGS));
        assertFalse(Items.fitsArmourSlot(3, Items.HELMET));
    }
}
