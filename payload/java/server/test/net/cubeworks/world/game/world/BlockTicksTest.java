package net.cubeworks.world.game.world;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.junit.Test;

import net.cubeworks.world.level.TileTick;

/** The queue of block updates: the game's order, one per place and block, the bound per tick, columns in and out. */
public class BlockTicksTest {
    private static List<String> places(List<BlockTicks.Due> due) {
        List<String> out = new ArrayList<String>();
        for (BlockTicks.Due d : due) {
            out.add(d.x + "/" + d.blockId);
        }
        return out;
    }

    @Test
    public void dueByTimeThenPriorityThenAskingOrderOncePerPlaceAndBlock() {
        BlockTicks t = new BlockTicks();
        assertTrue(t.schedule(1, 5, 0, 8, 12, 0));
        assertTrue(t.schedule(2, 5, 0, 8, 10, 0));
        assertTrue(t.schedule(3, 5, 0, 93, 10, -1));
        assertTrue(t.schedule(4, 5, 0, 8, 10, 0));
        assertFalse("asked again: nothing changes", t.schedule(2, 5, 0, 8, 5, 0));
        assertTrue("another block at the same place", t.schedule(2, 5, 0, 9, 11, 0));
        assertEquals(Arrays.asList(), places(t.takeDue(9)));
        assertEquals(Arrays.asList("3/93", "2/8", "4/8"), places(t.takeDue(10)));
        assertTrue("taken: the block may ask again", t.schedule(2, 5, 0, 8, 20, 0));
        assertEquals(Arrays.asList("2/9", "1/8"), places(t.takeDue(15)));
        assertEquals(1, t.size());
    }

    @Test
    public void atMostAThousandATickTheRestWait() {
        BlockTicks t = new BlockTicks();
        for (int i = 0; i < 1500; i++) {
            t.schedule(i, 1, 0, 8, 1, 0);
        }
        assertEquals(BlockTicks.MAX_PER_TICK, t.takeDue(1).size());
        assertEquals(500, t.takeDue(2).size());
    }

    @Test
    public void aColumnsUpdatesAreWrittenFromNowAndTakenBack() {
        BlockTicks t = new BlockTicks();
        t.schedule(17, 4, -30, 8, 105, 0); // column (1, -2)
        t.schedule(-1, 4, 0, 8, 110, 0); // column (-1, 0)
        List<TileTick> written = t.ofColumn(1, -2, 100);
        assertEquals(1, written.size());
        assertEquals(5, written.get(0).delay);
        assertNull(t.ofColumn(5, 5, 100));

        t.dropColumn(1, -2);
        assertEquals(1, t.size());
        BlockTicks after = new BlockTicks();
        after.adopt(written, 1000);
        assertEquals(Arrays.asList("17/8"), places(after.takeDue(1005)));
    }
}
