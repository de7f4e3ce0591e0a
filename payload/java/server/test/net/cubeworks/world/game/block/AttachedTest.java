package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;

import java.util.ArrayList;
import java.util.List;

import org.junit.Test;

import net.cubeworks.world.level.BlockIds;

/** Blocks held by others breaking off when what held them goes, and rails taking their shapes, on made-up grids. */
public class AttachedTest {
    /** The item ids dropped, in order. */
    private static List<Integer> dropped(GridWorld w) {
        List<Integer> out = new ArrayList<Integer>();
        for (int[] d : w.drops) {
            out.add(d[0]);
        }
        return out;
    }

    @Test
    public void whatAWallOrTheGroundHeldFallsAsItemsWhenItGoes() {
        GridWorld w = new GridWorld(1);
        w.put(0, 1, 0, BlockIds.STONE, 0);
        w.setBlock(1, 1, 0, BlockIds.TORCH, 1); // on the stone's east side
        w.setBlock(-1, 1, 0, BlockIds.LADDER, 4); // on its west side
        w.setBlock(0, 1, 1, BlockIds.WALL_SIGN, 3); // on its south side
        w.setBlock(0, 1, -1, BlockIds.STONE_BUTTON, 4); // on its north side
        w.setBlock(0, 2, 0, BlockIds.REDSTONE_WIRE, 0); // on its top
        w.setBlock(5, 1, 5, BlockIds.TORCH, 5); // standing on the ground, far off
        assertEquals("held, nothing falls", 0, w.drops.size());
        w.setBlock(0, 1, 0, BlockIds.AIR, 0);
        for (int[] p : new int[][] {{1, 1, 0}, {-1, 1, 0}, {0, 1, 1}, {0, 1, -1}, {0, 2, 0}}) {
            assertEquals("gone: " + p[0] + "," + p[1] + "," + p[2], BlockIds.AIR, w.blockAt(p[0], p[1], p[2]));
        }
        List<Integer> items = dropped(w);
        java.util.Collections.sort(items);
        assertEquals("[50, 65, 77, 323, 331]", items.toString());
        assertEquals("the far torch stays", BlockIds.TORCH, w.blockAt(5, 1, 5));
    }

    @Test
    public void aDoorGoesWholeWithOneItemWhenItsGroundGoesAndWithoutWhenItsOtherHalfGoes() {
        GridWorld w = new GridWorld(2);
        w.put(0, 0, 0, BlockIds.DIRT, 0);
        w.setBlock(0, 1, 0, BlockIds.WOODEN_DOOR, 1);
        w.setBlock(0, 2, 0, BlockIds.WOODEN_DOOR, 8);
        w.setBlock(0, 0, 0, BlockIds.AIR, 0);
        assertEquals(BlockIds.AIR, w.blockAt(0, 1, 0));
        assertEquals(BlockIds.AIR, w.blockAt(0, 2, 0));
        assertEquals("one door", "[324]", dropped(w).toString());

        GridWorld v = new GridWorld(3);
        v.setBlock(0, 1, 0, BlockIds.IRON_DOOR, 1);
        v.setBlock(0, 2, 0, BlockIds.IRON_DOOR, 8);
        v.setBlock(0, 2, 0, BlockIds.AIR, 0); // the upper half taken (by a dig, which gives the pair's item)
        assertEquals(BlockIds.AIR, v.blockAt(0, 1, 0));
        assertEquals("the lower half goes without another", "[]", dropped(v).toString());
    }

    @Test
    public void plantsRedstoneAndPlatesNeedTheirGround() {
        GridWorld w = new GridWorld(4);
        w.put(0, 0, 0, BlockIds.GRASS, 0);
        w.setBlock(0, 1, 0, BlockIds.DANDELION, 0);
        w.setBlock(0, 0, 0, BlockIds.SAND, 0);
        assertEquals("no flower on sand", BlockIds.AIR, w.blockAt(0, 1, 0));
        w.put(2, 1, 0, BlockIds.STONE, 0);
        w.setBlock(2, 2, 0, BlockIds.REPEATER, 0);
        w.setBlock(3, 2, 0, BlockIds.AIR, 0); // a change beside, the ground still there
        assertEquals(BlockIds.REPEATER, w.blockAt(2, 2, 0));
        w.put(4, 1, 0, BlockIds.STONE, 0);
        w.setBlock(4, 2, 0, BlockIds.STONE_PLATE, 0);
        w.setBlock(2, 1, 0, BlockIds.AIR, 0);
        w.setBlock(4, 1, 0, BlockIds.WATER, 0);
        assertEquals(BlockIds.AIR, w.blockAt(2, 2, 0));
        assertEquals(BlockIds.AIR, w.blockAt(4, 2, 0));
        assertEquals("[37, 356, 70]", dropped(w).toString());
    }

    private static void rail(GridWorld w, int id, int x, int y, int z) {
        w.setBlock(x, y, z, id, 0);
    }

    @Test
    public void railsTakeTheirShapesFromTheRailsBesideThem() {
        GridWorld w = new GridWorld(5);
        rail(w, BlockIds.RAIL, 0, 1, 0);
        rail(w, BlockIds.RAIL, 1, 1, 0);
        assertEquals("east-west, and the first turns to meet it", "1 1", w.metaAt(0, 1, 0) + " " + w.metaAt(1, 1, 0));
        rail(w, BlockIds.RAIL, 1, 1, 1);
        assertEquals("the end of the line curves south-west", 7, w.metaAt(1, 1, 0));
        assertEquals("north-south", 0, w.metaAt(1, 1, 1));
        rail(w, BlockIds.RAIL, 2, 1, 0);
        assertEquals("a rail that has both its ends joined keeps its shape", 7, w.metaAt(1, 1, 0));
        assertEquals("and the new one, joined to nothing, lies north-south", 0, w.metaAt(2, 1, 0));

        GridWorld v = new GridWorld(6);
        v.put(1, 1, 0, BlockIds.STONE, 0);
        rail(v, BlockIds.RAIL, 1, 2, 0);
        rail(v, BlockIds.RAIL, 0, 1, 0);
        assertEquals("up toward the rail a step higher: sloping east", 2, v.metaAt(0, 1, 0));
        v.setBlock(1, 1, 0, BlockIds.AIR, 0);
        assertEquals("the upper rail goes with its bed", BlockIds.AIR, v.blockAt(1, 2, 0));
        assertEquals("and the slope with the block it climbed", BlockIds.AIR, v.blockAt(0, 1, 0));

        GridWorld p = new GridWorld(7);
        rail(p, BlockIds.RAIL, 1, 1, 0);
        rail(p, BlockIds.RAIL, 0, 1, 1);
        rail(p, BlockIds.GOLDEN_RAIL, 0, 1, 0);
        assertEquals("a powered rail at a corner runs straight (east-west, as the game picks)", 1, p.metaAt(0, 1, 0));
    }
}
