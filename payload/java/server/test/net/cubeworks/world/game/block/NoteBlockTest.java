package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;

/** Note blocks tuned and played, and daylight sensors' power by the time of day, on made-up grids. */
public class NoteBlockTest {
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

    private static GridWorld withNoteBlock(int below) {
        GridWorld w = new GridWorld(1);
        w.put(0, 0, 0, below, 0);
        w.put(0, 1, 0, BlockIds.NOTE_BLOCK, 0);
        w.putBlockEntity(new BlockEntity.Music(0, 1, 0));
        return w;
    }

    private static String lastAction(GridWorld w) {
        int[] a = w.actions.get(w.actions.size() - 1);
        return a[3] + " " + a[4] + " " + a[5];
    }

    @Test
    public void aRightClickTunesItUpASemitoneComingRoundAfter24AndPlaysIt() {
        GridWorld w = withNoteBlock(BlockIds.STONE);
        BlockBehaviour b = w.updates.behaviours().of(BlockIds.NOTE_BLOCK);
        assertTrue(b.rightClicked(HAND, w, 0, 1, 0));
        assertEquals("note block, bass drum on stone, pitch 1", "25 1 1", lastAction(w));
        for (int i = 0; i < 24; i++) {
            b.rightClicked(HAND, w, 0, 1, 0);
        }
        assertEquals(0, ((BlockEntity.Music) w.blockEntityAt(0, 1, 0)).note);
        assertEquals("25 1 0", lastAction(w));
        b.hit(HAND, w, 0, 1, 0);
        assertEquals("a hit plays it untuned", 26, w.actions.size());
        w.put(0, 2, 0, BlockIds.STONE, 0);
        b.hit(HAND, w, 0, 1, 0);
        assertTrue(b.rightClicked(HAND, w, 0, 1, 0));
        assertEquals("covered, it is tuned but plays nothing", 26, w.actions.size());
        assertEquals(1, ((BlockEntity.Music) w.blockEntityAt(0, 1, 0)).note);
    }

    @Test
    public void theBlockUnderItGivesTheInstrument() {
        int[][] cases = {{BlockIds.STONE, 1}, {BlockIds.SAND, 2}, {BlockIds.GRAVEL, 2}, {20, 3}, {5, 4}, {BlockIds.LOG, 4},
            {BlockIds.DIRT, 0}, {BlockIds.AIR, 0}, {42, 0}};
        for (int[] c : cases) {
            assertEquals("below " + c[0], c[1], NoteBlock.instrument(c[0]));
        }
    }

    @Test
    public void powerPlaysItOnceAsItComes() {
        GridWorld w = withNoteBlock(BlockIds.DIRT);
        w.setBlock(1, 1, 0, BlockIds.LEVER, 5);
        RedstoneTest.click(w, 1, 1, 0);
        assertEquals("harp, pitch 0", 1, w.actions.size());
        assertEquals("25 0 0", lastAction(w));
        w.setBlock(0, 1, 1, BlockIds.STONE, 0); // another change while still powered
        assertEquals(1, w.actions.size());
        RedstoneTest.click(w, 1, 1, 0);
        RedstoneTest.click(w, 1, 1, 0);
        assertEquals("again when the power comes back", 2, w.actions.size());
    }

    @Test
    public void aDaylightSensorGivesPowerByTheSunsHeight() {
        // under the open sky: full at noon, less in the morning and evening, none at night
        assertEquals(15, DaylightSensor.power(15, 6000));
        assertEquals(0, DaylightSensor.power(15, 18000));
        assertEquals(0, DaylightSensor.power(15, 15000));
        int morning = DaylightSensor.power(15, 1000);
        assertTrue("morning " + morning, morning > 0 && morning < 15);
        assertTrue(DaylightSensor.power(15, 3000) >= morning);
        assertEquals("in the shade, less", 7, DaylightSensor.power(7, 6000));

        GridWorld w = new GridWorld(2);
        w.put(0, 1, 0, BlockIds.DAYLIGHT_SENSOR, 0);
        w.setBlock(1, 1, 0, BlockIds.REDSTONE_WIRE, 0);
        w.time = 6000;
        DaylightSensor.update(w, 0, 1, 0);
        assertEquals(15, w.metaAt(0, 1, 0));
        assertEquals("the wire beside takes its power", 15, w.metaAt(1, 1, 0));
        w.time = 18000;
        DaylightSensor.update(w, 0, 1, 0);
        assertEquals(0, w.metaAt(1, 1, 0));
    }
}
