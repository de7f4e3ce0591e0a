package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.List;

import org.junit.After;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.net.Connections;

/**
 * Chests: a right click opens one (27 slots) or both halves of a double chest (54), several
 * players share its slots and see each other's clicks, the lid is seen to lift and fall, and what
 * it holds is kept in its column across a restart.
 */
public class ChestsTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;

    @After
    public void tearDown() {
        if (game != null) {
            game.world().close();
        }
    }

    /** The text of an Open Window: its title and the slot count after it. */
    private static String openWindow(int[] f) {
        int len = f[3];
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < len; i++) {
            b.append((char) f[4 + i]);
        }
        return "type " + f[2] + " " + b + " slots " + f[4 + len] + " given " + f[5 + len];
    }

    @Test
    public void aDoubleChestIsSharedSeenToOpenAndKeptAcrossARestart() throws Exception {
        File worldFolder = folder.newFolder("world");
        game = TestGames.anvil(folder.getRoot(), worldFolder);
        GameWorld world = game.world();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 6.5, 4, 6.5);
        OnlinePlayer bo = TestGames.join(game, "Bo", 2, 7.5, 4, 6.5);
        synchronized (game.lock()) {
            world.blocks().setBlock(5, 4, 5, 54, 0);
            world.blocks().setBlock(8, 4, 8, 54, 0);
            world.blocks().setBlock(9, 4, 8, 54, 0);
        }
        Connections.takeSent(alex.connection());
        Connections.takeSent(bo.connection());
        synchronized (game.lock()) {
            world.windows().openChest(alex, 5, 4, 5);
        }
        List<int[]> sent = Connections.takeSent(alex.connection());
        assertEquals("type 0 container.chest slots 27 given 0", openWindow(WindowClicksFromClient.withId(sent, 0x2D).get(0)));
        assertEquals("Bo sees the lid lift", 1, WindowClicksFromClient.withId(Connections.takeSent(bo.connection()), 0x24).size());
        synchronized (game.lock()) {
            world.windows().close(alex, true);
        }

        // the double chest, opened by its eastern half: the western half's slots come first
        synchronized (game.lock()) {
            world.windows().openChest(alex, 9, 4, 8);
            world.windows().openChest(bo, 8, 4, 8);
        }
        List<int[]> opened = WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x2D);
        assertEquals("type 0 container.chestDouble slots 54 given 0", openWindow(opened.get(opened.size() - 1)));
        int window = alex.inventory().open.id;
        Connections.takeSent(bo.connection());
        // Alex puts 5 dirt in the first slot of the eastern half (slot 27); Bo's window shows it
        alex.inventory().set(PlayerInventory.HOTBAR, 3, 5, 0, null);
        synchronized (game.lock()) {
            world.windows().click(alex, WindowClicksFromClient.click(window, 54 + 27, 0, 0, 1, 3, 5));
            world.windows().click(alex, WindowClicksFromClient.click(window, 27, 0, 0, 2, 0, 0));
        }
        assertTrue("Bo is shown the change", WindowClicksFromClient.withId(Connections.takeSent(bo.connection()), 0x30).size() > 0);
        synchronized (game.lock()) {
            BlockEntity east = world.blockEntities().at(9, 4, 8);
            assertEquals(5, ((BlockEntity.Container) east).slots.count(0));
            world.windows().close(alex, true);
        }
        List<int[]> lid = WindowClicksFromClient.withId(Connections.takeSent(bo.connection()), 0x24);
        assertEquals("one viewer left: the lid stays up", 1, lid.get(lid.size() - 1)[12]);
        synchronized (game.lock()) {
            world.windows().close(bo, true);
        }
        lid = WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x24);
        assertEquals("nobody: it falls", 0, lid.get(lid.size() - 1)[12]);
        assertEquals(0, alex.inventory().count(PlayerInventory.HOTBAR));
        world.close();
        game = null;

        game = TestGames.anvil(folder.getRoot(), worldFolder);
        world = game.world();
        synchronized (game.lock()) {
            BlockEntity east = world.blockEntities().at(9, 4, 8);
            assertEquals("kept in the column's TileEntities", 5, ((BlockEntity.Container) east).slots.count(0));
            assertEquals(3, ((BlockEntity.Container) east).slots.item(0));
        }
    }
}
