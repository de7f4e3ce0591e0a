package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertArrayEquals;

import org.junit.Test;

import net.cubeworks.world.level.BlockIds;

/** Pistons on made-up grids: the push limit, what stops and what breaks, the sticky pull, power from above. */
public class PistonTest {
    private static final int EAST = 5;
    private static final int UP = 1;

    /** A piston at the origin (y 1) facing +x with n stone blocks before it, and a lever behind it, off. */
    private static GridWorld row(int n, boolean sticky) {
        GridWorld w = new GridWorld(7);
        w.put(0, 1, 0, sticky ? BlockIds.STICKY_PISTON : BlockIds.PISTON, EAST);
        for (int i = 1; i <= n; i++) {
            w.put(i, 1, 0, BlockIds.COBBLESTONE, 0);
        }
        w.put(-1, 1, 0, BlockIds.LEVER, 5);
        return w;
    }

    private static void lever(GridWorld w, int x, int y, int z) {
        w.setBlock(x, y, z, BlockIds.LEVER, w.metaAt(x, y, z) ^ 8);
    }

    @Test
    public void pushesTwelveAndRefusesThirteen() {
        GridWorld w = row(12, false);
        lever(w, -1, 1, 0);
        assertEquals("out", BlockIds.PISTON, w.blockAt(0, 1, 0));
        assertEquals(EAST | Piston.EXTENDED, w.metaAt(0, 1, 0));
        assertEquals(BlockIds.PISTON_HEAD, w.blockAt(1, 1, 0));
        assertEquals(EAST, w.metaAt(1, 1, 0));
        assertEquals(BlockIds.COBBLESTONE, w.blockAt(13, 1, 0));
        assertEquals(BlockIds.AIR, w.blockAt(14, 1, 0));
        assertArrayEquals("the clients are told the piston went out east", new int[] {0, 1, 0, BlockIds.PISTON, 0, EAST},
                w.actions.get(0));
        lever(w, -1, 1, 0);
        assertEquals("in: the head goes, the blocks stay", BlockIds.AIR, w.blockAt(1, 1, 0));
        assertEquals(EAST, w.metaAt(0, 1, 0));
        assertEquals(BlockIds.COBBLESTONE, w.blockAt(2, 1, 0));
        assertArrayEquals(new int[] {0, 1, 0, BlockIds.PISTON, 1, EAST}, w.actions.get(1));

        GridWorld full = row(13, false);
        lever(full, -1, 1, 0);
        assertEquals("thirteen are too many", EAST, full.metaAt(0, 1, 0));
        assertEquals(BlockIds.COBBLESTONE, full.blockAt(1, 1, 0));
        assertEquals(BlockIds.AIR, full.blockAt(14, 1, 0));
        assertEquals(0, full.actions.size());

        GridWorld broken = row(12, false);
        broken.put(13, 1, 0, BlockIds.REDSTONE_TORCH, 5);
        lever(broken, -1, 1, 0);
        assertEquals("twelve and a torch after them: the torch breaks", BlockIds.COBBLESTONE, broken.blockAt(13, 1, 0));
        assertEquals(1, broken.drops.size());
        assertEquals(BlockIds.REDSTONE_TORCH, broken.drops.get(0)[0]);

        GridWorld door = row(0, false);
        door.put(1, 1, 0, BlockIds.WOODEN_DOOR, 8); // the upper half in the way, the lower one under it
        door.put(1, 0, 0, BlockIds.WOODEN_DOOR, 0);
        door.put(0, 1, 0, BlockIds.PISTON, EAST);
        lever(door, -1, 1, 0);
        assertEquals("the door breaks whole", BlockIds.AIR, door.blockAt(1, 0, 0));
        assertEquals("one door dropped", 1, door.drops.size());
        assertEquals(324, door.drops.get(0)[0]);
    }

    @Test
    public void whatCannotMoveStopsTheWholeLine() {
        for (int stop : new int[] {BlockIds.OBSIDIAN, BlockIds.BEDROCK, 54 /* chest */, 61 /* furnace */}) {
            GridWorld w = row(3, false);
            w.put(2, 1, 0, stop, 0);
            lever(w, -1, 1, 0);
            assertEquals("block " + stop, EAST, w.metaAt(0, 1, 0));
            assertEquals(BlockIds.COBBLESTONE, w.blockAt(1, 1, 0));
            assertEquals(stop, w.blockAt(2, 1, 0));
        }
        GridWorld w = row(0, false);
        w.put(1, 1, 0, BlockIds.PISTON, EAST | Piston.EXTENDED);
        w.put(2, 1, 0, BlockIds.PISTON_HEAD, EAST);
        lever(w, -1, 1, 0);
        assertEquals("an extended piston does not move", EAST, w.metaAt(0, 1, 0));
        assertEquals(BlockIds.PISTON, w.blockAt(1, 1, 0));

        GridWorld top = new GridWorld(8);
        top.put(0, 254, 0, BlockIds.PISTON, UP);
        top.put(0, 255, 0, BlockIds.COBBLESTONE, 0);
        top.put(1, 254, 0, BlockIds.LEVER, 5);
        lever(top, 1, 254, 0);
        assertEquals("nothing is pushed out of the world", UP, top.metaAt(0, 254, 0));
    }

    @Test
    public void aStickyPistonPullsOneBlockBackAndNoMore() {
        GridWorld w = row(2, true);
        lever(w, -1, 1, 0);
        assertEquals(BlockIds.PISTON_HEAD, w.blockAt(1, 1, 0));
        assertEquals("a sticky head", EAST | Piston.EXTENDED, w.metaAt(1, 1, 0));
        lever(w, -1, 1, 0);
        assertEquals("the block beyond the head comes back", BlockIds.COBBLESTONE, w.blockAt(1, 1, 0));
        assertEquals(BlockIds.AIR, w.blockAt(2, 1, 0));
        assertEquals("the one after it stays", BlockIds.COBBLESTONE, w.blockAt(3, 1, 0));

        GridWorld obs = row(0, true);
        lever(obs, -1, 1, 0);
        obs.put(2, 1, 0, BlockIds.OBSIDIAN, 0);
        lever(obs, -1, 1, 0);
        assertEquals("obsidian is not pulled", BlockIds.OBSIDIAN, obs.blockAt(2, 1, 0));
        assertEquals(BlockIds.AIR, obs.blockAt(1, 1, 0));
    }

    @Test
    public void poweredFromAboveAndBreakingTheHeadTakesThePiston() {
        GridWorld w = row(1, false);
        w.put(-1, 1, 0, BlockIds.AIR, 0);
        w.put(-2, 2, 0, BlockIds.STONE, 0);
        w.put(-1, 2, 0, BlockIds.LEVER, 1); // beside the air over the piston, not beside the piston
        lever(w, -1, 2, 0);
        assertEquals("the lever's change does not reach the piston", EAST, w.metaAt(0, 1, 0));
        w.setBlock(0, 1, 1, BlockIds.COBBLESTONE, 0);
        assertEquals("told of another change, it finds the block above powered", EAST | Piston.EXTENDED,
                w.metaAt(0, 1, 0));
        w.setBlock(1, 1, 0, BlockIds.AIR, 0);
        assertEquals("the head broken, the piston goes", BlockIds.AIR, w.blockAt(0, 1, 0));
        assertEquals(BlockIds.PISTON, w.drops.get(0)[0]);

        GridWorld front = row(1, false);
        front.put(-1, 1, 0, BlockIds.AIR, 0);
        front.put(0, 0, 0, BlockIds.AIR, 0);
        front.put(1, 0, 0, BlockIds.STONE, 0);
        front.put(1, 1, 0, BlockIds.REDSTONE_TORCH, 5);
        front.setBlock(1, 1, 0, BlockIds.REDSTONE_TORCH, 5);
        assertEquals("power in its face does not push it", EAST, front.metaAt(0, 1, 0));
    }
}
