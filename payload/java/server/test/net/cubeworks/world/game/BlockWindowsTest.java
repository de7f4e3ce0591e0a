package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
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
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayReads;

/**
 * The windows of dispensers (and their kin) and ender chests: opened by a right click with the
 * game's type and title, a dispenser's slots shared by its viewers, an ender chest's the opener's
 * own, its lid lifted while it is open.
 */
public class BlockWindowsTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;

    @After
    public void tearDown() {
        if (game != null) {
            game.world().close();
        }
    }

    private static PlayReads.Click click(int window, int slot, int action, int id, int count) throws Exception {
        return WindowClicksFromClient.click(window, slot, 0, 0, action, id, count);
    }

    private static String openWindow(int[] f) {
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < f[3]; i++) {
            b.append((char) f[4 + i]);
        }
        return "type " + f[2] + " " + b + " slots " + f[4 + f[3]] + " given " + f[5 + f[3]];
    }

    @Test
    public void aDispenserIsSharedAndAnEnderChestIsEachPlayersOwn() throws Exception {
        game = TestGames.flat(folder.getRoot());
        GameWorld world = game.world();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 6.5, 4, 6.5);
        OnlinePlayer bo = TestGames.join(game, "Bo", 2, 7.5, 4, 6.5);
        synchronized (game.lock()) {
            world.blocks().setBlock(5, 4, 5, 23, 3);
            world.blocks().setBlock(8, 4, 8, 130, 2);
        }
        Connections.takeSent(alex.connection());
        synchronized (game.lock()) {
            alex.openContainer(5, 4, 5);
            bo.openContainer(5, 4, 5);
        }
        assertEquals("type 3 container.dispenser slots 9 given 0",
                openWindow(WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x2D).get(0)));
        Connections.takeSent(bo.connection());
        alex.inventory().set(PlayerInventory.HOTBAR, 3, 5, 0, null);
        int w = alex.inventory().open.id;
        synchronized (game.lock()) {
            world.windows().click(alex, click(w, 9 + 27, 1, 3, 5));
            world.windows().click(alex, click(w, 4, 2, 0, 0));
            world.tick();
        }
        BlockEntity.Container d;
        synchronized (game.lock()) {
            d = (BlockEntity.Container) world.blockEntities().at(5, 4, 5);
        }
        assertEquals(5, d.slots.count(4));
        List<int[]> toBo = WindowClicksFromClient.withId(Connections.takeSent(bo.connection()), 0x2F);
        assertEquals("Bo is shown the slot Alex filled", 1, toBo.size());
        assertEquals(4, toBo.get(0)[3]);

        synchronized (game.lock()) {
            alex.openContainer(8, 4, 8);
            world.tick();
        }
        List<int[]> sent = Connections.takeSent(alex.connection());
        assertEquals("type 0 container.enderchest slots 27 given 0", openWindow(WindowClicksFromClient.withId(sent, 0x2D).get(0)));
        assertEquals("the lid lifts", 1, WindowClicksFromClient.withId(sent, 0x24).size());
        alex.inventory().set(PlayerInventory.HOTBAR + 1, 264, 2, 0, null);
        w = alex.inventory().open.id;
        synchronized (game.lock()) {
            world.windows().click(alex, click(w, 27 + 27 + 1, 3, 264, 2));
            world.windows().click(alex, click(w, 0, 4, 0, 0));
        }
        assertEquals(264, alex.inventory().ender.item(0));
        synchronized (game.lock()) {
            bo.openContainer(8, 4, 8);
        }
        assertEquals("Bo's own ender chest is empty", 0, bo.inventory().open.count(0));
        assertEquals(264, alex.getEnderChest().getItem(0).getTypeId());
        synchronized (game.lock()) {
            world.windows().close(alex, true);
            world.windows().close(bo, true);
            world.tick();
        }
        List<int[]> lid = WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x24);
        assertTrue(lid.size() > 0);
        assertEquals("nobody: it falls", 0, lid.get(lid.size() - 1)[12]);
    }

    @Test
    public void aJukeboxTakesARecordKeepsItAcrossARestartAndGivesItBack() throws Exception {
        File worldFolder = folder.newFolder("world");
        game = new Game(java.util.logging.Logger.getAnonymousLogger(), net.cubeworks.world.settings.ServerProperties.defaults(),
                null, null, new net.cubeworks.world.storage.AnvilStore(worldFolder, java.util.logging.Logger.getAnonymousLogger()));
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 6.5, 4, 6.5);
        synchronized (game.lock()) {
            game.world().blocks().setBlock(5, 4, 5, 84, 0);
        }
        alex.inventory().set(PlayerInventory.HOTBAR, 2258, 1, 0, null); // "blocks"
        Connections.takeSent(alex.connection());
        synchronized (game.lock()) {
            alex.openContainer(5, 4, 5);
        }
        assertEquals(1, game.world().blocks().metaAt(5, 4, 5));
        assertEquals("out of the hand", 0, alex.inventory().count(PlayerInventory.HOTBAR));
        List<int[]> effects = WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x28);
        assertEquals("the record plays", 1, effects.size());
        game.world().close();

        game = new Game(java.util.logging.Logger.getAnonymousLogger(), net.cubeworks.world.settings.ServerProperties.defaults(),
                null, null, new net.cubeworks.world.storage.AnvilStore(worldFolder, java.util.logging.Logger.getAnonymousLogger()));
        alex = TestGames.join(game, "Alex", 1, 6.5, 4, 6.5);
        synchronized (game.lock()) {
            assertEquals("kept (RecordItem)", 2258, ((BlockEntity.Jukebox) game.world().blockEntities().at(5, 4, 5)).recordId);
            alex.openContainer(5, 4, 5);
        }
        assertEquals(0, game.world().blocks().metaAt(5, 4, 5));
        assertEquals("it falls out on top", 2258, game.world().items().all().get(0).itemId());
    }

    @Test
    public void eitherHalfOfADoubleChestGivesPluginsAllItsSlots() throws Exception {
        game = TestGames.flat(folder.getRoot());
        GameWorld world = game.world();
        synchronized (game.lock()) {
            world.blocks().setBlock(8, 4, 8, 54, 0);
            world.blocks().setBlock(9, 4, 8, 54, 0);
            world.blocks().setBlock(12, 4, 8, 54, 0);
            org.bukkit.block.Chest east = (org.bukkit.block.Chest) world.api().getBlockAt(9, 4, 8).getState();
            org.bukkit.inventory.Inventory both = east.getInventory();
            assertEquals(54, both.getSize());
            assertEquals(27, east.getBlockInventory().getSize());
            both.setItem(30, new org.bukkit.inventory.ItemStack(3, 4));
            assertEquals("the eastern half's fourth slot", 4, ((BlockEntity.Container) world.blockEntities().at(9, 4, 8)).slots.count(3));
            org.bukkit.block.Chest west = (org.bukkit.block.Chest) world.api().getBlockAt(8, 4, 8).getState();
            assertEquals(4, west.getInventory().getItem(30).getAmount());
            org.bukkit.inventory.DoubleChestInventory d = (org.bukkit.inventory.DoubleChestInventory) west.getInventory();
            assertEquals(8, ((org.bukkit.block.Chest) d.getHolder().getLeftSide()).getX());
            assertEquals("a lone chest: its own", 27,
                    ((org.bukkit.block.Chest) world.api().getBlockAt(12, 4, 8).getState()).getInventory().getSize());
        }
    }

    @Test
    public void aRefusedClickStandsLosesNothingAndIsShownToTheOtherViewers() throws Exception {
        game = TestGames.flat(folder.getRoot());
        GameWorld world = game.world();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 6.5, 4, 6.5);
        OnlinePlayer bo = TestGames.join(game, "Bo", 2, 7.5, 4, 6.5);
        synchronized (game.lock()) {
            world.blocks().setBlock(5, 4, 5, 54, 0);
            ((BlockEntity.Container) world.blockEntities().at(5, 4, 5)).slots.set(0, 3, 10, 0, null);
            alex.openContainer(5, 4, 5);
            bo.openContainer(5, 4, 5);
        }
        Connections.takeSent(bo.connection());
        // ctrl-Q over the chest's first slot, with an item the client should not have sent: refused
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(alex.inventory().open.id);
        o.writeShort(0);
        o.writeByte(1);
        o.writeShort(1);
        o.writeByte(4);
        o.writeShort(3);
        o.writeByte(10);
        o.writeShort(0);
        o.writeShort(-1);
        synchronized (game.lock()) {
            world.windows().click(alex, PlayReads.clickWindow(new PacketIn(b.toByteArray())));
        }
        List<int[]> confirm = WindowClicksFromClient.withId(Connections.takeSent(alex.connection()), 0x32);
        assertEquals("refused", 0, confirm.get(0)[4]);
        assertEquals(0, ((BlockEntity.Container) world.blockEntities().at(5, 4, 5)).slots.count(0));
        assertEquals("the ten thrown are on the ground, not gone", 10, world.items().all().get(0).count());
        assertEquals("Bo's window shows it", 1, WindowClicksFromClient.withId(Connections.takeSent(bo.connection()), 0x30).size());
    }
}
