package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.level.BlockIds;

/** Water and lava on small made-up grids: levels, the way down, new sources, meeting each other, the world's edge. */
public class LiquidFlowTest {
    private static final int STILL = BlockIds.STILL_WATER;

    private static int waterCount(GridWorld w) {
        int n = 0;
        for (int[] b : w.blocks.values()) {
            if (BlockIds.isWater(b[0])) {
                n++;
            }
        }
        return n;
    }

    @Test
    public void aSourceOnFlatGroundSpreadsSevenBlocksAndSettles() {
        GridWorld w = new GridWorld(1);
        w.setBlock(0, 1, 0, BlockIds.WATER, 0);
        w.run(200);
        assertEquals(". 9:7 9:6 9:5 9:4 9:3 9:2 9:1 9:0 9:1 9:2 9:3 9:4 9:5 9:6 9:7 .", w.row(-8, 8, 1, 0));
        assertEquals("each block its distance from the source", 6, w.metaAt(3, 1, 3));
        assertEquals(STILL, w.blockAt(-2, 1, 5));
        assertEquals(1 + 4 * (1 + 2 + 3 + 4 + 5 + 6 + 7), waterCount(w));
        assertEquals("settled: nothing left to do", 0, w.ticks.size());

        w.setBlock(0, 1, 0, BlockIds.AIR, 0);
        w.run(300);
        assertEquals("without its source the flow dries up", 0, waterCount(w));
    }

    @Test
    public void aFlowTakesTheNearestWayDownAndFallsFirst() {
        GridWorld w = new GridWorld(2);
        // a stone shelf at y 1 for x up to 2, the lower ground (y 0) beyond
        for (int x = -12; x <= 2; x++) {
            for (int z = -12; z <= 12; z++) {
                w.put(x, 1, z, BlockIds.STONE, 0);
            }
        }
        w.setBlock(0, 2, 0, BlockIds.WATER, 0);
        w.run(300);
        assertEquals("only toward the edge three blocks away", ". 9:0 9:1 9:2 9:3", w.row(-1, 3, 2, 0));
        assertEquals(BlockIds.AIR, w.blockAt(0, 2, 1));
        assertEquals("falling over the edge", 8 + 3, w.metaAt(3, 1, 0));
        assertEquals("spreading again below from level 1", "9:11 9:1 9:2 9:3 9:4 9:5 9:6 9:7 .", w.row(3, 11, 1, 0));
    }

    @Test
    public void twoSourcesWithOneBlockBetweenMakeASourceButNotWithThree() {
        GridWorld w = new GridWorld(3);
        trench(w, 0, 4);
        w.setBlock(0, 1, 0, BlockIds.WATER, 0);
        w.setBlock(2, 1, 0, BlockIds.WATER, 0);
        w.run(100);
        assertEquals("9:0 9:0 9:0", w.row(0, 2, 1, 0));

        GridWorld v = new GridWorld(4);
        trench(v, 0, 4);
        v.setBlock(0, 1, 0, BlockIds.WATER, 0);
        v.setBlock(4, 1, 0, BlockIds.WATER, 0);
        v.run(100);
        assertEquals("9:0 9:1 9:2 9:1 9:0", v.row(0, 4, 1, 0));
    }

    /** A trench one wide along x from x0 to x1 at z 0, y 1, walled all round. */
    private static void trench(GridWorld w, int x0, int x1) {
        for (int x = x0 - 1; x <= x1 + 1; x++) {
            w.put(x, 1, -1, BlockIds.STONE, 0);
            w.put(x, 1, 1, BlockIds.STONE, 0);
        }
        w.put(x0 - 1, 1, 0, BlockIds.STONE, 0);
        w.put(x1 + 1, 1, 0, BlockIds.STONE, 0);
    }

    @Test
    public void lavaIsSlowerAndShorter() {
        GridWorld w = new GridWorld(5);
        w.setBlock(0, 1, 0, BlockIds.LAVA, 0);
        w.run(25);
        assertEquals(BlockIds.AIR, w.blockAt(1, 1, 0));
        w.run(10);
        assertEquals(BlockIds.LAVA, w.blockAt(1, 1, 0));
        assertEquals(2, w.metaAt(1, 1, 0));
        w.run(600);
        assertEquals(". 11:6 11:4 11:2 11:0 11:2 11:4 11:6 .", w.row(-4, 4, 1, 0));
    }

    @Test
    public void lavaMeetingWaterHardensEachWay() {
        GridWorld w = new GridWorld(6);
        w.setBlock(0, 1, 0, BlockIds.LAVA, 0);
        w.run(600);
        w.setBlock(2, 1, 1, BlockIds.WATER, 0);
        assertEquals("flowing lava of level 4 beside water", BlockIds.COBBLESTONE, w.blockAt(2, 1, 0));
        assertEquals(BlockIds.COBBLESTONE, w.blockAt(1, 1, 1));
        assertTrue("lava of level 6 stays", BlockIds.isLava(w.blockAt(3, 1, 0)));
        assertEquals(6, w.metaAt(3, 1, 0));
        w.setBlock(0, 1, -1, BlockIds.WATER, 0);
        assertEquals("the source beside water", BlockIds.OBSIDIAN, w.blockAt(0, 1, 0));
        assertTrue(w.sounds.contains("random.fizz"));

        // lava flowing onto water below makes stone
        GridWorld v = new GridWorld(7);
        for (int x = -6; x <= 6; x++) {
            for (int z = -6; z <= 6; z++) {
                v.put(x, 1, z, BlockIds.STONE, 0);
            }
        }
        v.put(0, 1, 0, BlockIds.STILL_WATER, 0);
        v.setBlock(2, 2, 0, BlockIds.LAVA, 0);
        v.run(600);
        assertEquals(BlockIds.STONE, v.blockAt(0, 1, 0));
    }

    @Test
    public void waterWashesTorchesAwayButNotSigns() {
        GridWorld w = new GridWorld(8);
        w.put(2, 1, 0, 50, 5); // a torch
        w.put(0, 1, 2, BlockIds.WALL_SIGN, 4); // on the stone east of it
        w.put(1, 1, 2, BlockIds.STONE, 0);
        w.setBlock(0, 1, 0, BlockIds.WATER, 0);
        w.run(200);
        assertEquals(STILL, w.blockAt(2, 1, 0));
        assertEquals(2, w.metaAt(2, 1, 0));
        assertEquals(BlockIds.WALL_SIGN, w.blockAt(0, 1, 2));
        assertEquals("around the sign", 5, w.metaAt(0, 1, 3));
    }

    @Test
    public void aFlowWaitsAtTheEdgeOfTheColumnsHeld() {
        GridWorld w = new GridWorld(9);
        w.maxX = 2;
        w.setBlock(0, 1, 0, BlockIds.WATER, 0);
        w.run(200);
        assertEquals(2, w.metaAt(2, 1, 0));
        for (long k : w.blocks.keySet()) {
            assertFalse("nothing beyond the edge", (k >> 38) > 2 && (k >> 38) < (1 << 25));
        }
        w.maxX = 63; // the column comes: the next change beside the edge goes on
        w.setBlock(2, 2, 5, BlockIds.STONE, 0);
        w.setBlock(2, 1, 0, BlockIds.WATER, 2);
        w.run(200);
        assertEquals(7, w.metaAt(7, 1, 0));
    }
}
