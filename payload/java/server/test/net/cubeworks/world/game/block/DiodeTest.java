package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;

import org.junit.Test;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;

/** Repeater locks and comparators on made-up grids. */
public class DiodeTest {
    /** Facing data of a diode whose input is at -x and output at +x. */
    private static final int TO_EAST = 1;
    /** Facing data of a diode whose input is at -z and output at +z. */
    private static final int TO_SOUTH = 2;

    private static void lever(GridWorld w, int x, int y, int z) {
        w.setBlock(x, y, z, BlockIds.LEVER, w.metaAt(x, y, z) ^ 8);
    }

    @Test
    public void aRepeaterLockedFromTheSideHoldsItsState() {
        GridWorld w = new GridWorld(11);
        w.setBlock(0, 1, 0, BlockIds.REPEATER, TO_EAST); // the one to lock, fed by a lever at -x
        w.setBlock(-1, 1, 0, BlockIds.LEVER, 5);
        w.setBlock(0, 1, -1, BlockIds.REPEATER, TO_SOUTH); // points into its side, fed by a lever at -z
        w.setBlock(0, 1, -2, BlockIds.LEVER, 5);
        lever(w, -1, 1, 0);
        w.run(2);
        assertEquals(BlockIds.POWERED_REPEATER, w.blockAt(0, 1, 0));
        lever(w, 0, 1, -2);
        w.run(2);
        assertEquals("the side repeater is on", BlockIds.POWERED_REPEATER, w.blockAt(0, 1, -1));
        lever(w, -1, 1, 0);
        w.run(10);
        assertEquals("locked: it stays on though its input went", BlockIds.POWERED_REPEATER, w.blockAt(0, 1, 0));
        lever(w, 0, 1, -2);
        w.run(2);
        assertEquals(BlockIds.REPEATER, w.blockAt(0, 1, -1));
        w.run(2);
        assertEquals("the lock gone, it follows its input", BlockIds.REPEATER, w.blockAt(0, 1, 0));

        GridWorld off = new GridWorld(12);
        off.setBlock(0, 1, 0, BlockIds.REPEATER, TO_EAST);
        off.setBlock(-1, 1, 0, BlockIds.LEVER, 5);
        off.setBlock(0, 1, -1, BlockIds.REPEATER, TO_SOUTH);
        off.setBlock(0, 1, -2, BlockIds.LEVER, 5);
        lever(off, 0, 1, -2);
        off.run(2);
        lever(off, -1, 1, 0);
        off.run(10);
        assertEquals("locked off, power from behind does nothing", BlockIds.REPEATER, off.blockAt(0, 1, 0));
    }

    /** A block of redstone and a wire line from it ending beside (x, z) with the level given, running along (dx, dz). */
    private static void line(GridWorld w, int x, int z, int dx, int dz, int level) {
        int n = 16 - level;
        w.setBlock(x + dx * (n + 1), 1, z + dz * (n + 1), BlockIds.REDSTONE_BLOCK, 0);
        for (int i = n; i >= 1; i--) {
            w.setBlock(x + dx * i, 1, z + dz * i, BlockIds.REDSTONE_WIRE, 0);
        }
        assertEquals(level, w.metaAt(x + dx, 1, z + dz));
    }

    /** A comparator at the origin facing +x, a wire line of the given power behind it and one beside it. */
    private static GridWorld comparator(int rear, int side, boolean subtract) {
        GridWorld w = new GridWorld(13);
        w.setBlock(0, 1, 0, BlockIds.COMPARATOR, TO_EAST | (subtract ? Comparator.SUBTRACT : 0));
        line(w, 0, 0, -1, 0, rear);
        line(w, 0, 0, 0, -1, side);
        w.run(2);
        return w;
    }

    private static int out(GridWorld w) {
        return Redstone.weak(w, 0, 1, 0, 1, 0, 0, true);
    }

    @Test
    public void aComparatorComparesAndSubtracts() {
        assertEquals("compare: rear at least the side", 9, out(comparator(9, 5, false)));
        assertEquals("compare: a stronger side shuts it", 0, out(comparator(5, 9, false)));
        assertEquals("subtract", 4, out(comparator(9, 5, true)));
        assertEquals("subtract never below nothing", 0, out(comparator(5, 9, true)));
        GridWorld w = comparator(9, 5, true);
        assertEquals(BlockIds.POWERED_COMPARATOR, w.blockAt(0, 1, 0));
        assertEquals(TO_EAST | Comparator.SUBTRACT | Comparator.POWERED, w.metaAt(0, 1, 0));
    }

    @Test
    public void aComparatorReadsAContainersFillLevel() {
        BlockEntity.Container chest = new BlockEntity.Container("Chest", -2, 1, 0, 27);
        assertEquals("empty", 0, Comparator.fillLevel(chest));
        chest.slots.set(0, 1, 1, 0, null);
        assertEquals("one item", 1, Comparator.fillLevel(chest));
        for (int i = 0; i < 27; i++) {
            chest.slots.set(i, 1, 64, 0, null);
        }
        assertEquals("full", 15, Comparator.fillLevel(chest));
        for (int i = 0; i < 14; i++) {
            chest.slots.set(i, 0, 0, 0, null);
        }
        assertEquals("13 of 27 full stacks", 7, Comparator.fillLevel(chest));
        chest.slots.set(0, 368, 8, 0, null); // ender pearls stack to 16: half a slot more
        assertEquals(8, Comparator.fillLevel(chest));

        GridWorld w = new GridWorld(14);
        w.put(-2, 1, 0, 54, 0);
        w.putBlockEntity(chest);
        w.put(-1, 1, 0, BlockIds.STONE, 0); // read through a solid block
        w.setBlock(0, 1, 0, BlockIds.COMPARATOR, TO_EAST);
        w.run(2);
        assertEquals("read through the stone", 8, out(w));
    }
}
