package net.cubeworks.world.game.block;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.Random;

import org.junit.Test;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.level.BlockEntity;

/** A furnace's work tick by tick, over the server's own smelting table. */
public class SmeltingTest {
    private static final int IRON_ORE = 15;
    private static final int IRON_INGOT = 265;
    private static final int COAL = 263;
    private static final int STICK = 280;
    private static final int LAVA_BUCKET = 327;
    private static final int BUCKET = 325;
    private static final SmeltingBook BOOK = SmeltingBook.standard();

    private final BlockEntity.Furnace f = new BlockEntity.Furnace(0, 64, 0);

    private int run(int ticks, Smelter.Events events) {
        int all = 0;
        for (int i = 0; i < ticks; i++) {
            all |= Smelter.tick(f, BOOK, events);
        }
        return all;
    }

    private int run(int ticks) {
        return run(ticks, Smelter.NO_EVENTS);
    }

    @Test
    public void coalSmeltsEightOresOneEvery200TicksAndTheFurnaceGoesOutAfter() {
        f.slots.set(Smelter.INPUT, IRON_ORE, 10, 0, null);
        f.slots.set(Smelter.FUEL, COAL, 1, 0, null);
        int first = Smelter.tick(f, BOOK, Smelter.NO_EVENTS);
        assertEquals("lit at once", Smelter.LIT_CHANGED | Smelter.CHANGED, first);
        assertEquals("the coal is used as it is lit", 0, f.slots.count(Smelter.FUEL));
        assertEquals(1600, f.burnTime);
        assertEquals(1600, f.fuelTime);
        run(198);
        assertEquals(0, f.slots.count(Smelter.RESULT));
        assertEquals(199, f.cookTime);
        run(1);
        assertEquals(IRON_INGOT, f.slots.item(Smelter.RESULT));
        assertEquals(1, f.slots.count(Smelter.RESULT));
        assertEquals(9, f.slots.count(Smelter.INPUT));
        assertEquals(0, f.cookTime);
        int rest = run(1600 - 200 + 50);
        assertEquals("1600 ticks of coal smelt eight", 8, f.slots.count(Smelter.RESULT));
        assertEquals(2, f.slots.count(Smelter.INPUT));
        assertEquals(0, f.burnTime);
        assertEquals("the arrow goes back when the fire is out", 0, f.cookTime);
        assertTrue("went out", (rest & Smelter.LIT_CHANGED) != 0);
        assertFalse("nothing left to do without fuel", Smelter.busy(f, BOOK));
    }

    @Test
    public void fuelThatRunsOutBeforeTheItemIsDoneLosesTheProgress() {
        f.slots.set(Smelter.INPUT, IRON_ORE, 2, 0, null);
        f.slots.set(Smelter.FUEL, STICK, 1, 0, null);
        run(300);
        assertEquals("one stick (100 ticks) smelts nothing", 0, f.slots.count(Smelter.RESULT));
        assertEquals(0, f.cookTime);
        f.slots.set(Smelter.FUEL, STICK, 2, 0, null);
        run(200);
        assertEquals("two sticks one item, the second lit the tick the first ran out", 1, f.slots.count(Smelter.RESULT));
        assertEquals(0, f.slots.count(Smelter.FUEL));
    }

    @Test
    public void aFullOrForeignResultStopsTheSmeltingAndNoFuelIsLitForIt() {
        f.slots.set(Smelter.INPUT, IRON_ORE, 5, 0, null);
        f.slots.set(Smelter.FUEL, COAL, 3, 0, null);
        f.slots.set(Smelter.RESULT, IRON_INGOT, 64, 0, null);
        assertEquals(0, run(400));
        assertEquals("no coal burns for nothing", 3, f.slots.count(Smelter.FUEL));
        assertFalse(Smelter.busy(f, BOOK));
        f.slots.set(Smelter.RESULT, IRON_INGOT, 63, 0, null);
        run(200);
        assertEquals(64, f.slots.count(Smelter.RESULT));
        assertEquals(2, f.slots.count(Smelter.FUEL));
        run(300);
        assertEquals("full again: the fire burns down, the arrow stays at 0", 0, f.cookTime);
        assertEquals(4, f.slots.count(Smelter.INPUT));
        f.slots.set(Smelter.RESULT, 1, 1, 0, null); // stone where the ingots go
        int burning = f.burnTime;
        run(10);
        assertEquals(burning - 10, f.burnTime);
        assertEquals(0, f.cookTime);
        assertEquals(1, f.slots.count(Smelter.RESULT));
    }

    @Test
    public void aLavaBucketBurnsAHundredItemsAndLeavesItsBucket() {
        f.slots.set(Smelter.INPUT, 4, 64, 0, null); // cobblestone
        f.slots.set(Smelter.FUEL, LAVA_BUCKET, 1, 0, null);
        run(1);
        assertEquals(BUCKET, f.slots.item(Smelter.FUEL));
        assertEquals(1, f.slots.count(Smelter.FUEL));
        assertEquals(20000, f.fuelTime);
        run(64 * 200);
        assertEquals("stone", 1, f.slots.item(Smelter.RESULT));
        assertEquals(64, f.slots.count(Smelter.RESULT));
        assertEquals("the bucket burns nothing more", BUCKET, f.slots.item(Smelter.FUEL));
    }

    @Test
    public void pluginsRefuseAFuelOrASmeltingOrChangeTheResult() {
        f.slots.set(Smelter.INPUT, IRON_ORE, 3, 0, null);
        f.slots.set(Smelter.FUEL, COAL, 2, 0, null);
        final int[] asked = new int[2];
        Smelter.Events refuse = new Smelter.Events() {
            public int[] burn(BlockEntity.Furnace furnace, int fuelId, int fuelData, int ticks) {
                asked[0]++;
                return null;
            }

            public int[] smelt(BlockEntity.Furnace furnace, int inputId, int inputData, int[] result) {
                return null;
            }
        };
        run(10, refuse);
        assertEquals("asked every tick while it could light", 10, asked[0]);
        assertEquals(2, f.slots.count(Smelter.FUEL));
        assertEquals(0, f.burnTime);
        Smelter.Events keepFuelAndRefuseSmelting = new Smelter.Events() {
            public int[] burn(BlockEntity.Furnace furnace, int fuelId, int fuelData, int ticks) {
                return new int[] {300, 0};
            }

            public int[] smelt(BlockEntity.Furnace furnace, int inputId, int inputData, int[] result) {
                asked[1]++;
                return null;
            }
        };
        run(200, keepFuelAndRefuseSmelting);
        assertEquals("a fuel that burns without being used up", 2, f.slots.count(Smelter.FUEL));
        assertEquals(1, asked[1]);
        assertEquals(3, f.slots.count(Smelter.INPUT));
        assertEquals(0, f.slots.count(Smelter.RESULT));
        Smelter.Events gold = new Smelter.Events() {
            public int[] burn(BlockEntity.Furnace furnace, int fuelId, int fuelData, int ticks) {
                return new int[] {ticks, 1};
            }

            public int[] smelt(BlockEntity.Furnace furnace, int inputId, int inputData, int[] result) {
                assertArrayEquals(new int[] {IRON_INGOT, 1, 0}, result);
                return new int[] {266, 2, 0};
            }
        };
        run(200, gold);
        assertEquals(266, f.slots.item(Smelter.RESULT));
        assertEquals(2, f.slots.count(Smelter.RESULT));
        assertEquals(2, f.slots.count(Smelter.INPUT));
    }

    @Test
    public void theTableSmeltsByDamageWhereTheGameDoesAndBurnsWhatItShould() {
        assertNotNull("every kind of log, whatever its damage", BOOK.smelting(17, 3));
        assertEquals("charcoal", 1, BOOK.smelting(162, 1).resultData);
        assertNotNull("raw salmon", BOOK.smelting(349, 1));
        assertNull("clownfish does not cook", BOOK.smelting(349, 2));
        assertNull("nor does an ingot", BOOK.smelting(IRON_INGOT, 0));
        assertEquals("charcoal burns as coal", 1600, BOOK.burnTicks(COAL));
        assertEquals("a wooden slab half a plank", 150, BOOK.burnTicks(126));
        assertEquals(0, BOOK.burnTicks(4));
        assertEquals("the charcoal of logs, not the coal of its ore", 0.15f, BOOK.experience(263, 1), 1e-6);
        assertEquals(0.1f, BOOK.experience(263, 0), 1e-6);
        try {
            SmeltingBook.parse("fuel 263 1600\nsmelt 15 265 one 0.7\n");
            fail("a count that is no number");
        } catch (IllegalArgumentException e) {
            assertTrue(e.getMessage(), e.getMessage().startsWith("smelting line 2 "));
        }
    }

    @Test
    public void experienceIsTheCountTimesTheRecipesWithTheFractionAChance() {
        Random r = new Random(5);
        assertEquals(7, Smelter.experience(10, 0.7f, r));
        assertEquals("a point or more each gives one each", 5, Smelter.experience(5, 1.0f, r));
        assertEquals(0, Smelter.experience(5, 0f, r));
        int sum = 0;
        for (int i = 0; i < 10000; i++) {
            int x = Smelter.experience(1, 0.35f, r);
            assertTrue(x == 0 || x == 1);
            sum += x;
        }
        assertTrue("about 35 in 100: " + sum, sum > 3300 && sum < 3700);
    }
}
