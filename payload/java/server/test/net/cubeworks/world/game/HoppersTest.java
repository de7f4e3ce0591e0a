package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.File;

import org.junit.After;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.level.BlockEntity;

/**
 * Hoppers move one item every 8 ticks: out of a chest above into a furnace below (its input from
 * above, fuel only from the side), results out of a furnace above, items lying on them; power
 * stops them; what they hold and their wait are kept across a restart.
 */
public class HoppersTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;

    @After
    public void tearDown() {
        if (game != null) {
            game.world().close();
        }
    }

    private BlockEntity.Container at(int x, int y, int z) {
        synchronized (game.lock()) {
            return (BlockEntity.Container) game.world().blockEntities().at(x, y, z);
        }
    }

    private void set(int x, int y, int z, int id, int data) {
        synchronized (game.lock()) {
            game.world().blocks().setBlock(x, y, z, id, data);
        }
    }

    @Test
    public void aChestEmptiesThroughAHopperIntoAFurnaceOneItemEvery8Ticks() throws Exception {
        File worldFolder = folder.newFolder("world");
        game = TestGames.anvil(folder.getRoot(), worldFolder);
        TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        set(2, 4, 2, 61, 2);
        set(2, 5, 2, 154, 0); // facing down
        set(2, 6, 2, 54, 0);
        set(3, 6, 2, 54, 0); // a double chest: its eastern half's ore comes too
        at(2, 6, 2).slots.set(26, 15, 2, 0, null);
        at(3, 6, 2).slots.set(0, 15, 1, 0, null);
        TestGames.ticks(game, 21); // found within a second
        BlockEntity.Container hopper = at(2, 5, 2);
        BlockEntity.Furnace furnace = (BlockEntity.Furnace) at(2, 4, 2);
        assertEquals("one taken, none passed on yet", 1, hopper.slots.count(0));
        TestGames.ticks(game, 8);
        assertEquals(1, furnace.slots.count(0));
        assertEquals(1, hopper.slots.count(0));
        TestGames.ticks(game, 16);
        assertEquals("all three in the furnace's input", 3, furnace.slots.count(0));
        assertEquals(0, at(3, 6, 2).slots.count(0));

        // from the side a furnace takes fuel only
        set(3, 4, 2, 154, 4); // facing west, into the furnace
        BlockEntity.Container side = at(3, 4, 2);
        side.slots.set(0, 4, 1, 0, null); // cobblestone: no fuel
        side.slots.set(1, 263, 2, 0, null);
        TestGames.ticks(game, 40);
        assertEquals(1, side.slots.count(0));
        assertEquals("the coal went into the fuel, or burns already", 0, side.slots.count(1));
        assertTrue(furnace.slots.count(1) + (furnace.burnTime > 0 ? 1 : 0) >= 1);

        // powered by a block of redstone beside it: off, nothing moves; on again when the power goes
        set(5, 4, 5, 54, 0);
        set(5, 5, 5, 154, 0);
        set(6, 5, 5, 152, 0);
        assertEquals("off", 8, game.world().blocks().metaAt(5, 5, 5) & 8);
        BlockEntity.Container off = at(5, 5, 5);
        off.slots.set(0, 3, 5, 0, null);
        TestGames.ticks(game, 30);
        assertEquals(0, at(5, 4, 5).slots.count(0));
        set(6, 5, 5, 0, 0);
        assertEquals("on", 0, game.world().blocks().metaAt(5, 5, 5));
        assertEquals("the same hopper", off, at(5, 5, 5));
        TestGames.ticks(game, 30);
        assertTrue("one every 8 ticks", at(5, 4, 5).slots.count(0) >= 3 && at(5, 4, 5).slots.count(0) <= 4);

        // items in its bowl go in, as many as fit, at once
        set(8, 4, 8, 154, 2);
        TestGames.ticks(game, 20);
        synchronized (game.lock()) {
            game.world().items().dropItem(8.5, 4.7, 8.5, 3, 5, 0, null);
        }
        TestGames.ticks(game, 1);
        assertEquals(5, at(8, 4, 8).slots.count(0));
        int left = 0;
        for (ItemEntity i : game.world().items().all()) {
            left += i.count();
        }
        assertEquals(0, left);
        off.slots.set(1, 3, 7, 0, null);
        off.slots.set(0, 0, 0, 0, null);
        ((BlockEntity.Hopper) off).cooldown = 5;
        game.world().close();

        game = TestGames.anvil(folder.getRoot(), worldFolder);
        BlockEntity.Container back = at(5, 5, 5);
        assertTrue(back instanceof BlockEntity.Hopper);
        assertEquals(7, back.slots.count(1));
        assertEquals("its wait kept (TransferCooldown)", 5, ((BlockEntity.Hopper) back).cooldown);
    }

    @Test
    public void aHopperUnderAFurnaceTakesItsResultsButNotItsFuel() throws Exception {
        game = TestGames.anvil(folder.getRoot(), folder.newFolder("world"));
        TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        set(2, 5, 2, 61, 2);
        set(2, 4, 2, 154, 2); // facing north, at nothing
        BlockEntity.Furnace furnace = (BlockEntity.Furnace) at(2, 5, 2);
        furnace.slots.set(1, 263, 3, 0, null);
        furnace.slots.set(2, 265, 2, 0, null);
        TestGames.ticks(game, 40);
        BlockEntity.Container hopper = at(2, 4, 2);
        assertEquals(265, hopper.slots.item(0));
        assertEquals(2, hopper.slots.count(0));
        assertEquals(3, furnace.slots.count(1));
        furnace.slots.set(1, 325, 1, 0, null);
        TestGames.ticks(game, 10);
        assertEquals("the bucket a lava bucket left comes out", 325, hopper.slots.item(1));
    }

    @Test
    public void aDropperFiresOnceWhenPowerComesIntoTheChestBeforeItAndADispenserThrows() throws Exception {
        game = TestGames.anvil(folder.getRoot(), folder.newFolder("world"));
        TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        set(2, 4, 2, 158, 5); // facing east
        set(3, 4, 2, 54, 0);
        at(2, 4, 2).slots.set(4, 3, 3, 0, null);
        set(1, 4, 2, 152, 0); // a block of redstone: power comes
        TestGames.ticks(game, 5);
        assertEquals(1, at(3, 4, 2).slots.count(0));
        assertEquals(2, at(2, 4, 2).slots.count(4));
        TestGames.ticks(game, 20);
        assertEquals("once while the power stays", 1, at(3, 4, 2).slots.count(0));
        set(1, 4, 2, 0, 0);
        set(1, 4, 2, 152, 0);
        TestGames.ticks(game, 5);
        assertEquals("again when it comes again", 2, at(3, 4, 2).slots.count(0));

        set(6, 4, 6, 23, 3); // a dispenser facing south
        at(6, 4, 6).slots.set(0, 4, 1, 0, null);
        set(6, 4, 5, 152, 0);
        TestGames.ticks(game, 5);
        assertEquals(0, at(6, 4, 6).slots.count(0));
        ItemEntity thrown = game.world().items().all().get(0);
        assertEquals(4, thrown.itemId());
        assertTrue("out of its face, southward", thrown.z > 6.9 && thrown.motionZ > 0);
    }
}
