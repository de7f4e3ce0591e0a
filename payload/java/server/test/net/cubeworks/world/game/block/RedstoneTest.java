package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.level.BlockIds;

/** Redstone on made-up grids: a wire line's power, torch inversion and burn-out, repeater delay, doors and lamps. */
public class RedstoneTest {
    private static final BlockUser HAND = new BlockUser() {
        public boolean isSneaking() {
            return false;
        }

        public int heldItem() {
            return 0;
        }

        public void openCraftingTable(int x, int y, int z) {
        }
    };

    static void click(GridWorld w, int x, int y, int z) {
        assertTrue(w.updates.behaviours().of(w.blockAt(x, y, z)).rightClicked(HAND, w, x, y, z));
    }

    private static String wires(GridWorld w, int from, int to) {
        StringBuilder b = new StringBuilder();
        for (int x = from; x <= to; x++) {
            b.append(b.length() == 0 ? "" : " ").append(w.metaAt(x, 1, 0));
        }
        return b.toString();
    }

    @Test
    public void aLeverPowersAWireLineFallingByOneABlock() {
        GridWorld w = new GridWorld(1);
        w.setBlock(0, 1, 0, BlockIds.LEVER, 5); // on the ground
        for (int x = 1; x <= 17; x++) {
            w.setBlock(x, 1, 0, BlockIds.REDSTONE_WIRE, 0);
        }
        assertEquals("0 0 0", wires(w, 1, 3));
        click(w, 0, 1, 0);
        assertEquals("15 14 13 12 11 10 9 8 7 6 5 4 3 2 1 0 0", wires(w, 1, 17));
        w.setBlock(9, 1, 0, BlockIds.AIR, 0);
        assertEquals("cut: beyond it goes dark", "8 0 0", w.metaAt(8, 1, 0) + " " + w.metaAt(10, 1, 0) + " "
                + w.metaAt(11, 1, 0));
        click(w, 0, 1, 0);
        assertEquals("0 0 0 0 0 0 0 0", wires(w, 1, 8));
    }

    @Test
    public void aTorchInvertsItsBlocksPowerTwoTicksLater() {
        GridWorld w = new GridWorld(2);
        w.put(0, 1, 0, BlockIds.STONE, 0);
        w.setBlock(1, 1, 0, BlockIds.REDSTONE_TORCH, 1); // on the side of the stone
        w.setBlock(1, 2, 0, BlockIds.REDSTONE_LAMP, 0);
        assertEquals("the lit torch lights the lamp above", BlockIds.LIT_REDSTONE_LAMP, w.blockAt(1, 2, 0));
        w.setBlock(-1, 1, 0, BlockIds.LEVER, 2); // on the stone's other side
        click(w, -1, 1, 0);
        w.run(1);
        assertEquals(BlockIds.REDSTONE_TORCH, w.blockAt(1, 1, 0));
        w.run(1);
        assertEquals("out two ticks after its block is powered", BlockIds.UNLIT_REDSTONE_TORCH, w.blockAt(1, 1, 0));
        w.run(3);
        assertEquals("the lamp keeps its light four ticks", BlockIds.LIT_REDSTONE_LAMP, w.blockAt(1, 2, 0));
        w.run(1);
        assertEquals(BlockIds.REDSTONE_LAMP, w.blockAt(1, 2, 0));
        click(w, -1, 1, 0);
        w.run(2);
        assertEquals(BlockIds.REDSTONE_TORCH, w.blockAt(1, 1, 0));
        assertEquals(BlockIds.LIT_REDSTONE_LAMP, w.blockAt(1, 2, 0));
    }

    @Test
    public void aRepeaterWaitsItsDelayAndATorchLoopBurnsOut() {
        GridWorld w = new GridWorld(3);
        w.setBlock(0, 1, 0, BlockIds.LEVER, 5);
        w.setBlock(1, 1, 0, BlockIds.REPEATER, 1 | 3 << 2); // input from -x, four redstone ticks
        w.setBlock(2, 1, 0, BlockIds.REDSTONE_LAMP, 0);
        click(w, 0, 1, 0);
        w.run(7);
        assertEquals(BlockIds.REDSTONE_LAMP, w.blockAt(2, 1, 0));
        w.run(1);
        assertEquals("eight game ticks later", BlockIds.LIT_REDSTONE_LAMP, w.blockAt(2, 1, 0));
        assertEquals(BlockIds.POWERED_REPEATER, w.blockAt(1, 1, 0));

        // a torch whose own output, through wire and a repeater, powers its block: a clock that burns out
        GridWorld v = new GridWorld(4);
        v.put(0, 1, 0, BlockIds.STONE, 0);
        v.setBlock(-1, 1, 0, BlockIds.REPEATER, 1); // input from -x, output into the stone
        v.setBlock(1, 1, 0, BlockIds.REDSTONE_TORCH, 1);
        int[][] path = {{1, 1}, {1, 2}, {0, 2}, {-1, 2}, {-2, 2}, {-2, 1}, {-2, 0}}; // never beside the stone
        for (int[] p : path) {
            v.setBlock(p[0], 1, p[1], BlockIds.REDSTONE_WIRE, 0);
        }
        int toggles = 0;
        int last = v.blockAt(1, 1, 0);
        for (int t = 0; t < 200 && !v.sounds.contains("random.fizz"); t++) {
            v.run(1);
            if (v.blockAt(1, 1, 0) != last) {
                toggles++;
                last = v.blockAt(1, 1, 0);
            }
        }
        assertTrue("it fizzled out", v.sounds.contains("random.fizz"));
        assertEquals("after going out eight times", 15, toggles);
        for (int t = 0; t < 150; t++) {
            v.run(1);
            assertEquals("burnt out, it stays out", BlockIds.UNLIT_REDSTONE_TORCH, v.blockAt(1, 1, 0));
        }
    }

    /** A thing that lies where it is put. */
    static final class Thing extends net.cubeworks.world.game.entity.ObjectEntity {
        Thing(GridWorld w, double x, double y, double z) {
            super(w, x, y, z);
        }

        public java.util.List<net.cubeworks.world.protocol.PacketOut> spawnPackets(int viewerProtocol) {
            return java.util.Collections.emptyList();
        }

        public org.bukkit.entity.EntityType getType() {
            return org.bukkit.entity.EntityType.DROPPED_ITEM;
        }
    }

    @Test
    public void pressurePlatesGivePowerWhileSomethingIsOnThem() {
        GridWorld w = new GridWorld(6);
        w.setBlock(0, 1, 0, BlockIds.WOODEN_PLATE, 0);
        w.setBlock(1, 1, 0, BlockIds.REDSTONE_LAMP, 0);
        w.setBlock(0, 1, 2, BlockIds.STONE_PLATE, 0);
        w.setBlock(1, 1, 2, BlockIds.REDSTONE_LAMP, 0);
        Thing t = new Thing(w, 0.5, 1.0, 0.5);
        w.entities.add(t);
        w.entities.add(new Thing(w, 0.5, 1.0, 2.5));
        w.run(1);
        assertEquals("a thing presses a wooden plate", 1, w.metaAt(0, 1, 0));
        assertEquals(BlockIds.LIT_REDSTONE_LAMP, w.blockAt(1, 1, 0));
        assertEquals("but not a stone one", 0, w.metaAt(0, 1, 2));
        t.remove();
        w.run(19);
        assertEquals("looked at again every 20 ticks", 1, w.metaAt(0, 1, 0));
        w.run(1);
        assertEquals(0, w.metaAt(0, 1, 0));

        w.setBlock(3, 1, 0, BlockIds.GOLD_PLATE, 0);
        for (int i = 0; i < 4; i++) {
            w.entities.add(new Thing(w, 3.5, 1.0, 0.5));
        }
        w.run(1);
        assertEquals("gold: one a point", 4, w.metaAt(3, 1, 0));
    }

    @Test
    public void aLeverOpensAnIronDoorAndLightsTnt() {
        GridWorld w = new GridWorld(5);
        w.setBlock(3, 1, 0, BlockIds.IRON_DOOR, 0);
        w.setBlock(3, 2, 0, BlockIds.IRON_DOOR, 8);
        assertEquals("an iron door does not open by hand", false,
                w.updates.behaviours().of(BlockIds.IRON_DOOR).rightClicked(HAND, w, 3, 1, 0));
        w.setBlock(4, 1, 0, BlockIds.LEVER, 5);
        click(w, 4, 1, 0);
        assertEquals(4, w.metaAt(3, 1, 0) & 4);
        click(w, 4, 1, 0);
        assertEquals(0, w.metaAt(3, 1, 0) & 4);

        w.setBlock(4, 1, 2, BlockIds.TNT, 0);
        w.setBlock(5, 1, 2, BlockIds.LEVER, 5);
        click(w, 5, 1, 2);
        assertEquals("powered TNT is lit", BlockIds.AIR, w.blockAt(4, 1, 2));
        assertEquals(1, w.entities.size());
    }

    @Test
    public void aChangeWritesEachPieceOfWireOnceWithItsFinalPower() {
        GridWorld w = new GridWorld(9);
        w.setBlock(0, 1, 0, BlockIds.LEVER, 5);
        w.setBlock(14, 1, 0, BlockIds.LEVER, 5);
        for (int x = 1; x <= 13; x++) {
            w.setBlock(x, 1, 0, BlockIds.REDSTONE_WIRE, 0);
        }
        w.put(5, 1, 1, BlockIds.REDSTONE_WIRE, 0); // a branch off the line, and a step up from it
        w.put(5, 1, 2, BlockIds.REDSTONE_WIRE, 0);
        w.put(5, 1, 3, BlockIds.STONE, 0);
        w.put(5, 2, 3, BlockIds.REDSTONE_WIRE, 0);
        w.clearCounts();
        click(w, 0, 1, 0);
        assertEquals("15 14 13 12 11 10 9 8 7 6 5 4 3", wires(w, 1, 13));
        assertEquals("10 9 8", w.metaAt(5, 1, 1) + " " + w.metaAt(5, 1, 2) + " " + w.metaAt(5, 2, 3));
        assertEquals("16 pieces rise, each written once", 16, w.quietChanges - 1);
        click(w, 14, 1, 0);
        assertEquals("from both ends", "15 14 13 12 11 10 9 10 11 12 13 14 15", wires(w, 1, 13));
        w.clearCounts();
        click(w, 0, 1, 0);
        assertEquals("the other end's power is all that is left", "3 4 5 6 7 8 9 10 11 12 13 14 15", wires(w, 1, 13));
        assertEquals("6 5 4", w.metaAt(5, 1, 1) + " " + w.metaAt(5, 1, 2) + " " + w.metaAt(5, 2, 3));
        for (java.util.Map.Entry<String, Integer> e : w.quietByPlace.entrySet()) {
            assertEquals("written once: " + e.getKey(), 1, (int) e.getValue());
        }
        click(w, 14, 1, 0);
        assertEquals("0 0 0 0 0 0 0 0 0 0 0 0 0", wires(w, 1, 13));
        assertEquals("0 0 0", w.metaAt(5, 1, 1) + " " + w.metaAt(5, 1, 2) + " " + w.metaAt(5, 2, 3));
    }
}
