package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.level.BlockIds;

/** Farming and growth on made-up grids, with fixed random numbers: crop stages, farmland, grass, leaves, saplings, cane. */
public class GrowthTest {
    /** A field of farmland at y 1 (x, z from -r to r), wet, with water at its middle. */
    private static GridWorld field(long seed, int r) {
        GridWorld w = new GridWorld(seed);
        for (int x = -r; x <= r; x++) {
            for (int z = -r; z <= r; z++) {
                w.put(x, 1, z, BlockIds.FARMLAND, 7);
            }
        }
        w.put(0, 1, 0, BlockIds.STILL_WATER, 0);
        return w;
    }

    @Test
    public void theGrowthRateFollowsTheFarmlandAndTheNeighbours() {
        GridWorld w = field(1, 4);
        w.put(2, 2, 2, BlockIds.WHEAT, 0);
        // alone on wet farmland: 1 + 3 + 8 * 3 / 4
        assertEquals(10f, Crops.growthRate(w, 2, 2, 2), 1e-6f);
        w.put(3, 2, 2, BlockIds.WHEAT, 0);
        assertEquals("a row is not crowded", 10f, Crops.growthRate(w, 2, 2, 2), 1e-6f);
        w.put(3, 2, 3, BlockIds.WHEAT, 0);
        assertEquals("a neighbour on the diagonal halves it", 5f, Crops.growthRate(w, 2, 2, 2), 1e-6f);
        w.put(1, 1, 1, BlockIds.FARMLAND, 0);
        assertEquals("dry farmland counts a third", (1 + 3 + 7 * 0.75f + 0.25f) / 2, Crops.growthRate(w, 2, 2, 2), 1e-6f);
    }

    @Test
    public void wheatGrowsStageByStageInTheLightAndNotInTheDark() {
        GridWorld w = field(2, 2);
        w.setBlock(1, 2, 1, BlockIds.WHEAT, 0);
        w.sky = 7;
        w.randomTicks(1, 2, 1, 200);
        assertEquals("no growth below light 9", 0, w.metaAt(1, 2, 1));
        w.sky = 15;
        int stages = 0;
        int picks = 0;
        while (w.metaAt(1, 2, 1) < 7 && picks < 10000) {
            int before = w.metaAt(1, 2, 1);
            w.randomTicks(1, 2, 1, 1);
            picks++;
            if (w.metaAt(1, 2, 1) != before) {
                assertEquals("one stage at a time", before + 1, w.metaAt(1, 2, 1));
                stages++;
            }
        }
        assertEquals(7, stages);
        // a chance of 1 in (25 / 10 + 1) = 3 a pick: seven stages take about 21 picks
        assertTrue("took " + picks, picks > 7 && picks < 80);
        w.randomTicks(1, 2, 1, 50);
        assertEquals(7, w.metaAt(1, 2, 1));

        // bone meal: 2 to 5 stages at once
        w.setBlock(-1, 2, -1, BlockIds.CARROTS, 0);
        Crops carrots = (Crops) w.updates.behaviours().of(BlockIds.CARROTS);
        carrots.fertilise(w, -1, 2, -1, w.random);
        int after = w.metaAt(-1, 2, -1);
        assertTrue("after " + after, after >= 2 && after <= 5);

        // the farmland trodden back to dirt: the crop breaks, giving its items
        w.setBlock(1, 1, 1, BlockIds.DIRT, 0);
        assertEquals(BlockIds.AIR, w.blockAt(1, 2, 1));
        assertTrue(w.drops.size() >= 1);
        assertEquals("grown wheat gives wheat", 296, w.drops.get(0)[0]);
    }

    @Test
    public void farmlandWetNearWaterDriesAwayFromItAndABlockOnItMakesDirt() {
        GridWorld w = field(3, 6);
        w.put(6, 1, 6, BlockIds.FARMLAND, 0);
        w.randomTicks(4, 1, 4, 1);
        assertEquals("within four of the water", 7, w.metaAt(4, 1, 4));
        w.put(5, 1, 5, BlockIds.FARMLAND, 7);
        w.randomTicks(5, 1, 5, 3);
        assertEquals("five away it dries a step a pick", 4, w.metaAt(5, 1, 5));
        w.randomTicks(6, 1, 6, 1);
        assertEquals("dry and bare: dirt again", BlockIds.DIRT, w.blockAt(6, 1, 6));
        w.setBlock(3, 2, 3, BlockIds.STONE, 0);
        assertEquals(BlockIds.DIRT, w.blockAt(3, 1, 3));
    }

    @Test
    public void grassSpreadsInTheLightAndDiesUnderStone() {
        GridWorld w = new GridWorld(4);
        for (int x = -3; x <= 3; x++) {
            for (int z = -3; z <= 3; z++) {
                w.put(x, 1, z, BlockIds.DIRT, 0);
            }
        }
        w.put(0, 1, 0, BlockIds.GRASS, 0);
        w.randomTicks(0, 1, 0, 40);
        int grass = 0;
        for (int x = -1; x <= 1; x++) {
            for (int z = -1; z <= 1; z++) {
                grass += w.blockAt(x, 1, z) == BlockIds.GRASS ? 1 : 0;
            }
        }
        assertEquals("all eight around, in forty picks", 9, grass);
        assertEquals("never further than one", BlockIds.DIRT, w.blockAt(2, 1, 0));
        w.put(1, 2, 1, BlockIds.STONE, 0);
        w.sky = 0;
        w.randomTicks(1, 1, 1, 1);
        assertEquals(BlockIds.DIRT, w.blockAt(1, 1, 1));
    }

    @Test
    public void leavesWithoutALogNearDecayAndGiveSaplings() {
        GridWorld w = new GridWorld(5);
        w.put(0, 1, 0, BlockIds.DIRT, 0);
        for (int y = 2; y <= 5; y++) {
            w.put(0, y, 0, BlockIds.LOG, 0);
        }
        for (int d = 1; d <= 6; d++) {
            w.put(d, 5, 0, BlockIds.LEAVES, 0);
        }
        w.put(7, 5, 0, BlockIds.LOG, 0);
        w.put(6, 6, 0, BlockIds.LEAVES, 4); // placed by a player
        w.randomTicks(6, 5, 0, 5);
        assertEquals("unmarked leaves are left alone", BlockIds.LEAVES, w.blockAt(6, 5, 0));
        w.setBlock(7, 5, 0, BlockIds.AIR, 0);
        assertEquals("the log's going marks the leaves within four", 8, w.metaAt(3, 5, 0) & 8);
        assertEquals(0, w.metaAt(2, 5, 0) & 8);
        for (int d = 6; d >= 3; d--) {
            w.randomTicks(d, 5, 0, 1);
        }
        assertEquals("six and five steps from the other log", BlockIds.AIR, w.blockAt(6, 5, 0));
        assertEquals(BlockIds.AIR, w.blockAt(5, 5, 0));
        assertEquals("four steps: kept, and no longer marked", BlockIds.LEAVES, w.blockAt(4, 5, 0));
        assertEquals(0, w.metaAt(4, 5, 0) & 8);
        w.randomTicks(6, 6, 0, 5);
        assertEquals(BlockIds.LEAVES, w.blockAt(6, 6, 0));
    }

    @Test
    public void aRipeSaplingGrowsIntoATreeWhereThereIsRoom() {
        GridWorld w = new GridWorld(6);
        w.put(0, 1, 0, BlockIds.GRASS, 0);
        w.setBlock(0, 2, 0, BlockIds.SAPLING, 2); // birch
        w.put(0, 5, 0, BlockIds.STONE, 0);
        assertEquals(false, Sapling.grow(w, 0, 2, 0, 2, w.random, false, null));
        assertEquals(BlockIds.SAPLING, w.blockAt(0, 2, 0));
        w.put(0, 5, 0, BlockIds.AIR, 0);
        for (int i = 0; i < 200 && w.blockAt(0, 2, 0) == BlockIds.SAPLING; i++) {
            w.randomTicks(0, 2, 0, 1);
        }
        assertEquals(BlockIds.LOG, w.blockAt(0, 2, 0));
        assertEquals("birch", 2, w.metaAt(0, 2, 0));
        assertEquals(BlockIds.DIRT, w.blockAt(0, 1, 0));
        assertEquals(BlockIds.LEAVES, w.blockAt(1, 6, 0));
    }

    @Test
    public void sugarCaneGrowsThreeHighBesideWaterAndBreaksWithout() {
        GridWorld w = new GridWorld(7);
        w.put(0, 1, 0, BlockIds.DIRT, 0);
        w.put(1, 1, 0, BlockIds.STILL_WATER, 0);
        w.setBlock(0, 2, 0, BlockIds.SUGAR_CANE, 0);
        w.randomTicks(0, 2, 0, 16);
        assertEquals(BlockIds.SUGAR_CANE, w.blockAt(0, 3, 0));
        w.randomTicks(0, 3, 0, 16);
        assertEquals(BlockIds.SUGAR_CANE, w.blockAt(0, 4, 0));
        w.randomTicks(0, 4, 0, 40);
        assertEquals("three high at most", BlockIds.AIR, w.blockAt(0, 5, 0));
        w.setBlock(1, 1, 0, BlockIds.DIRT, 0);
        w.randomTicks(0, 2, 0, 1);
        assertEquals("without water the lowest breaks, and the cane on it", BlockIds.AIR, w.blockAt(0, 2, 0));
        assertEquals(BlockIds.AIR, w.blockAt(0, 4, 0));
    }

    @Test
    public void waterFreezesInColdBiomesAndIceMeltsByATorch() {
        assertTrue(Freezing.temperature(12, 63) <= 0.15f);
        assertTrue(Freezing.temperature(1, 63) > 0.15f);
        assertTrue("hills are cold high up", Freezing.temperature(3, 100) <= 0.15f);
        GridWorld w = new GridWorld(8);
        w.put(0, 1, 0, BlockIds.ICE, 0);
        w.randomTicks(0, 1, 0, 3);
        assertEquals(BlockIds.ICE, w.blockAt(0, 1, 0));
        w.blockLight = 13;
        w.randomTicks(0, 1, 0, 1);
        assertEquals(BlockIds.STILL_WATER, w.blockAt(0, 1, 0));
    }
}
