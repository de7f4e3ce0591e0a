package net.cubeworks.world.game.block;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.game.entity.FallingBlockEntity;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.level.BlockIds;

/** Sand and gravel falling as falling blocks: when they fall, where they land, what stops them. */
public class FallingBlocksTest {
    @Test
    public void sandFallsWhenItsSupportGoesAndLandsOnTheGround() {
        GridWorld w = new GridWorld(1);
        for (int y = 1; y <= 9; y++) {
            w.put(0, y, 0, BlockIds.DIRT, 0);
        }
        w.setBlock(0, 10, 0, BlockIds.SAND, 0);
        w.run(5);
        assertEquals("held up: it stays", BlockIds.SAND, w.blockAt(0, 10, 0));
        assertEquals(0, w.entities.size());

        w.setBlock(0, 9, 0, BlockIds.AIR, 0);
        w.run(2);
        assertEquals("two ticks later it is a falling block", 1, w.entities.size());
        WorldEntity e = w.entities.all().get(0);
        assertTrue(e instanceof FallingBlockEntity);
        assertEquals(BlockIds.AIR, w.blockAt(0, 10, 0));
        w.run(40);
        assertEquals(0, w.entities.size());
        assertEquals("at rest on the dirt below", BlockIds.SAND, w.blockAt(0, 9, 0));
        assertEquals(BlockIds.AIR, w.blockAt(0, 10, 0));
    }

    @Test
    public void gravelPutInTheAirFallsThroughWaterAndStacks() {
        GridWorld w = new GridWorld(2);
        w.put(0, 1, 0, BlockIds.STILL_WATER, 0);
        w.put(0, 2, 0, BlockIds.STILL_WATER, 0);
        w.setBlock(0, 8, 0, BlockIds.GRAVEL, 0);
        w.setBlock(0, 9, 0, BlockIds.GRAVEL, 0);
        w.run(80);
        assertEquals(BlockIds.GRAVEL, w.blockAt(0, 1, 0));
        assertEquals(BlockIds.GRAVEL, w.blockAt(0, 2, 0));
        assertEquals(BlockIds.AIR, w.blockAt(0, 8, 0));
        assertTrue(w.drops.isEmpty());
    }

    @Test
    public void sandLandingOnATorchDropsAsAnItem() {
        GridWorld w = new GridWorld(3);
        w.put(0, 1, 0, 50, 5); // a torch standing on the ground
        w.setBlock(0, 6, 0, BlockIds.SAND, 0);
        w.run(60);
        assertEquals("the torch stays", 50, w.blockAt(0, 1, 0));
        assertEquals(BlockIds.AIR, w.blockAt(0, 6, 0));
        assertEquals(1, w.drops.size());
        assertArrayEquals(new int[] {BlockIds.SAND, 1, 0, 0, 1, 0}, w.drops.get(0));
    }
}
