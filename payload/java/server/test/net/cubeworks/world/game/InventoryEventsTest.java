package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Material;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.inventory.InventoryClickEvent;
import org.bukkit.event.inventory.InventoryCloseEvent;
import org.bukkit.event.inventory.InventoryOpenEvent;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** Window clicks, opening and closing ask the plugins; what they cancel moves nothing. */
public class InventoryEventsTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private final List<String> seen = new ArrayList<String>();
    private Game game;
    private GameWorld world;
    private OnlinePlayer p;
    private Plugin plugin;

    @Before
    public void setUp() {
        GameHost host = TestGames.host(events);
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("spawn-protection=0\n".getBytes(java.nio.charset.Charset.forName("UTF-8"))), null,
                host, new WorldStore.None());
        world = game.world();
        p = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), 1, GameMode.SURVIVAL);
        p.known.add(ColumnKey.of(0, 0));
        p.x = 2.5;
        p.y = 4;
        p.z = 2.5;
        plugin = TestGames.plugin("guard");
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        world.close();
    }

    private void on(Class<? extends Event> type, EventExecutor executor) {
        events.registerEvent(type, new Listener() {
        }, EventPriority.NORMAL, executor, plugin, false);
    }

    private static final int LOG = 17;
    private static final int PLANKS = 5;
    private static final int TABLE = 58;

    /** Click Window as the client sends it, with the item it believes the slot holds. */
    private void act(Runnable r) {
        synchronized (game.lock()) {
            r.run();
        }
    }

    @Test
    public void aCancelledClickMovesNothingAndIsRefusedWhileAnAllowedOneIsTaken() throws Exception {
        p.inventory().set(PlayerInventory.HOTBAR, LOG, 3, 0, null);
        p.inventory().set(PlayerInventory.HOTBAR + 1, LOG, 2, 0, null);
        on(InventoryClickEvent.class, new EventExecutor() {
            public void execute(Listener l, Event event) {
                InventoryClickEvent e = (InventoryClickEvent) event;
                seen.add(e.getClick() + " " + e.getAction() + " " + e.getSlotType() + " raw " + e.getRawSlot()
                        + " slot " + e.getSlot() + " " + e.getCurrentItem().getType() + " x"
                        + e.getCurrentItem().getAmount());
                e.setCancelled(e.getRawSlot() == PlayerInventory.HOTBAR);
            }
        });
        final PlayReads.Click refused = WindowClicksFromClient.click(0, PlayerInventory.HOTBAR, 0, 0, 1, LOG, 3);
        final PlayReads.Click allowed = WindowClicksFromClient.click(0, PlayerInventory.HOTBAR + 1, 1, 0, 2, LOG, 2);
        act(new Runnable() {
            public void run() {
                world.windows().click(p, refused);
            }
        });
        assertEquals(3, p.inventory().count(PlayerInventory.HOTBAR));
        assertEquals(0, p.inventory().item(PlayerInventory.CURSOR));
        assertTrue("the client must confirm the refusal before its next click counts", p.inventory().awaitingConfirm);
        p.inventory().awaitingConfirm = false;
        act(new Runnable() {
            public void run() {
                world.windows().click(p, allowed);
            }
        });
        assertEquals("[LEFT PICKUP_ALL QUICKBAR raw 36 slot 0 LOG x3, RIGHT PICKUP_HALF QUICKBAR raw 37 slot 1 LOG x2]",
                seen.toString());
        assertEquals("a right click takes half", 1, p.inventory().count(PlayerInventory.CURSOR));
        assertEquals(1, p.inventory().count(PlayerInventory.HOTBAR + 1));
        assertFalse(p.inventory().awaitingConfirm);
    }

    @Test
    public void aTablesWindowOpensOnlyWhenAllowedAndItsCloseIsToldWithTheGridStillInIt() throws Exception {
        final boolean[] allow = {false};
        on(InventoryOpenEvent.class, new EventExecutor() {
            public void execute(Listener l, Event event) {
                InventoryOpenEvent e = (InventoryOpenEvent) event;
                seen.add("open " + e.getView().getType() + " " + e.getView().getTopInventory().getSize());
                e.setCancelled(!allow[0]);
            }
        });
        on(InventoryCloseEvent.class, new EventExecutor() {
            public void execute(Listener l, Event event) {
                InventoryView v = ((InventoryCloseEvent) event).getView();
                seen.add("close " + v.getType() + " grid " + v.getTopInventory().getItem(5).getType() + " result "
                        + v.getTopInventory().getItem(0).getType() + " x" + v.getTopInventory().getItem(0).getAmount());
            }
        });
        act(new Runnable() {
            public void run() {
                world.blocks().setBlock(3, 4, 3, TABLE, 0);
                assertFalse(world.windows().openTable(p, 3, 4, 3));
                assertSame("a cancelled open leaves the player's own window", p.inventory().own, p.inventory().open);
                allow[0] = true;
                assertTrue(world.windows().openTable(p, 3, 4, 3));
            }
        });
        // a plugin fills the table's grid through the view: the result follows at once
        final InventoryView view = p.getOpenInventory();
        assertEquals(org.bukkit.event.inventory.InventoryType.WORKBENCH, view.getType());
        act(new Runnable() {
            public void run() {
                view.getTopInventory().setItem(5, new ItemStack(Material.LOG, 1));
            }
        });
        assertEquals(Material.WOOD, view.getTopInventory().getItem(0).getType());
        act(new Runnable() {
            public void run() {
                world.windows().close(p, true);
            }
        });
        assertEquals("[open WORKBENCH 10, open WORKBENCH 10, close WORKBENCH grid LOG result WOOD x4]", seen.toString());
        assertEquals("the log in the grid comes back to the inventory", LOG, p.inventory().item(PlayerInventory.HOTBAR));
    }
}
