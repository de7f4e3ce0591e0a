package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.List;

import org.junit.After;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.entity.ExperienceOrb;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.protocol.PlayReads;

/**
 * Furnaces in the world: one smelts with nobody watching, turns lit and back with its facing and
 * contents, shows its window's bars to a viewer, gives experience for the results taken out, and
 * is found burning on after a restart.
 */
public class FurnacesTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;

    @After
    public void tearDown() {
        if (game != null) {
            game.world().close();
        }
    }

    private static PlayReads.Click shiftClick(int window, int slot, int action, int id, int count) throws Exception {
        return WindowClicksFromClient.click(window, slot, 0, 1, action, id, count);
    }

    private BlockEntity.Furnace furnaceAt(int x, int y, int z) {
        synchronized (game.lock()) {
            return (BlockEntity.Furnace) game.world().blockEntities().at(x, y, z);
        }
    }

    @Test
    public void aFurnaceSmeltsUnwatchedShowsItsWindowGivesExperienceAndBurnsOnAfterARestart() throws Exception {
        File worldFolder = folder.newFolder("world");
        game = TestGames.anvil(folder.getRoot(), worldFolder);
        GameWorld world = game.world();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 6.5, 4, 6.5);
        synchronized (game.lock()) {
            world.blocks().setBlock(5, 4, 5, 61, 3);
        }
        BlockEntity.Furnace f = furnaceAt(5, 4, 5);
        f.slots.set(0, 15, 2, 0, null);
        f.slots.set(1, 263, 1, 0, null);
        TestGames.ticks(game, 21); // found within a second of being filled without a window
        assertEquals("lit", 62, world.blocks().blockAt(5, 4, 5));
        assertEquals("facing kept", 3, world.blocks().metaAt(5, 4, 5));
        assertSame("contents kept", f, furnaceAt(5, 4, 5));
        assertEquals(0, f.slots.count(1));
        TestGames.ticks(game, 400);
        assertEquals(2, f.slots.count(2));
        assertEquals(0, f.slots.count(0));

        Connections.takeSent(alex.connection());
        synchronized (game.lock()) {
            alex.openContainer(5, 4, 5);
        }
        List<int[]> sent = Connections.takeSent(alex.connection());
        int[] open = WindowClicksFromClient.withId(sent, 0x2D).get(0);
        assertEquals("the furnace's type", 2, open[2]);
        assertEquals("39 slots: three and the player's", 3, open[3 + 17 + 1]);
        assertEquals("the game's title, translated by the client", 0, open[3 + 17 + 2]);
        assertEquals("the arrow, the flame and its height", 3, WindowClicksFromClient.withId(sent, 0x31).size());
        TestGames.ticks(game, 1);
        List<int[]> bars = WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x31);
        assertEquals("only the flame went down", 1, bars.size());
        assertEquals(1, bars.get(0)[3]);

        int window = alex.inventory().open.id;
        synchronized (game.lock()) {
            world.windows().click(alex, shiftClick(window, 2, 1, 265, 2));
        }
        assertEquals(265, alex.inventory().item(44));
        assertEquals(2, alex.inventory().count(44));
        int points = 0;
        for (WorldEntity e : game.entities().all()) {
            if (e instanceof ExperienceOrb) {
                points += ((ExperienceOrb) e).value();
            }
        }
        assertTrue("two ingots at 0.7 give 1 or 2 points: " + points, points == 1 || points == 2);

        // walking away closes the window
        alex.x = 20;
        TestGames.ticks(game, 1);
        assertTrue(alex.inventory().open == alex.inventory().own);
        int burning = f.burnTime;
        world.close();

        game = TestGames.anvil(folder.getRoot(), worldFolder);
        TestGames.join(game, "Bo", 2, 6.5, 4, 6.5);
        BlockEntity.Furnace back = furnaceAt(5, 4, 5);
        assertEquals("kept burning", burning, back.burnTime);
        assertEquals(62, game.world().blocks().blockAt(5, 4, 5));
        TestGames.ticks(game, 40);
        assertTrue("burns on after the restart", back.burnTime < burning && back.burnTime > 0);
        back.burnTime = 1;
        TestGames.ticks(game, 30);
        assertEquals("out: the unlit furnace, facing kept", 61, game.world().blocks().blockAt(5, 4, 5));
        assertEquals(3, game.world().blocks().metaAt(5, 4, 5));
        assertSame(back, furnaceAt(5, 4, 5));
    }
}
