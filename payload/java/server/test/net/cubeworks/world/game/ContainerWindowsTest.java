package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.fail;

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
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.game.api.ApiInventories;

/** A plugin's inventory, or another player's, opened as a chest window whose clicks move its items. */
public class ContainerWindowsTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private final List<String> seen = new ArrayList<String>();
    private Game game;
    private OnlinePlayer alex;
    private OnlinePlayer bob;
    private Plugin plugin;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, TestGames.host(events),
                new WorldStore.None());
        alex = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), 1, GameMode.SURVIVAL);
        bob = new OnlinePlayer(game.playerGame(), Connections.idle(), "Bob", UUID.randomUUID(), 2, GameMode.SURVIVAL);
        plugin = TestGames.plugin("menus");
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        game.world().close();
    }

    private void clickAs(OnlinePlayer p, PlayReads.Click c) {
        synchronized (game.lock()) {
            game.world().windows().click(p, c);
        }
    }

    private InventoryView open(final OnlinePlayer p, final Inventory inv) {
        synchronized (game.lock()) {
            return p.openInventory(inv);
        }
    }

    @Test
    public void aPluginsChestOpensAndClicksMoveItsItemsWithTheEventsSeeingIt() throws Exception {
        final Inventory menu = ApiInventories.create(game.lock(), game.thread(), game.players(), null, InventoryType.CHEST, 18, "Shop");
        events.registerEvent(InventoryClickEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                InventoryClickEvent e = (InventoryClickEvent) event;
                seen.add(e.getInventory().getTitle() + " raw " + e.getRawSlot() + " slot " + e.getSlot() + " top "
                        + (e.getView().getTopInventory() == menu)
                        + (e.getRawSlot() == 0 ? " " + e.getSlotType() + " " + e.getAction() : ""));
                // the menu's last row is for show: its items cannot be taken
                e.setCancelled(e.getRawSlot() >= 9 && e.getRawSlot() < 18);
            }
        }, plugin, false);
        events.registerEvent(InventoryCloseEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                seen.add("closed " + (((InventoryCloseEvent) event).getInventory() == menu));
            }
        }, plugin, false);
        menu.setItem(3, new ItemStack(Material.DIAMOND, 5));
        menu.setItem(12, new ItemStack(Material.EMERALD, 1));
        InventoryView view = open(alex, menu);
        assertSame(menu, view.getTopInventory());
        assertEquals(InventoryType.CHEST, view.getType());
        assertEquals(18 + 36, view.countSlots());
        int id = alex.inventory().open.id;

        clickAs(alex, WindowClicksFromClient.click(id, 3, 0, 0, 1, Material.DIAMOND.getId(), 5));
        assertNull(menu.getItem(3));
        // window slot 18 is the first of the player's main inventory (API index 9)
        clickAs(alex, WindowClicksFromClient.click(id, 18, 0, 0, 2, 0, 0));
        assertEquals(5, alex.getInventory().getItem(9).getAmount());
        clickAs(alex, WindowClicksFromClient.click(id, 12, 0, 0, 3, Material.EMERALD.getId(), 1));
        assertEquals(Material.EMERALD, menu.getItem(12).getType());
        alex.inventory().awaitingConfirm = false;

        // a shift-click from the player's slot puts the stack in the chest's first free slot
        clickAs(alex, WindowClicksFromClient.click(id, 18, 0, 1, 4, Material.DIAMOND.getId(), 5));
        assertEquals(Material.DIAMOND, menu.getItem(0).getType());
        assertNull(alex.getInventory().getItem(9));
        assertEquals("[Shop raw 3 slot 3 top true, Shop raw 18 slot 9 top true, Shop raw 12 slot 12 top true, "
                + "Shop raw 18 slot 9 top true]", seen.toString());

        // a chest's first slot is its own, not a crafting result
        seen.clear();
        alex.inventory().awaitingConfirm = false;
        clickAs(alex, WindowClicksFromClient.click(id, 0, 0, 0, 5, Material.DIAMOND.getId(), 5));
        assertEquals("[Shop raw 0 slot 0 top true CONTAINER PICKUP_ALL]", seen.toString());

        seen.clear();
        alex.closeInventory();
        assertSame(alex.inventory().own, alex.inventory().open);
        assertEquals("[closed true]", seen.toString());
    }

    @Test
    public void anotherPlayersInventoryIsShownAndTakenFromLive() throws Exception {
        bob.getInventory().setItem(0, new ItemStack(Material.GOLD_INGOT, 7));
        InventoryView view = open(alex, bob.getInventory());
        assertSame(bob.getInventory().getClass(), view.getTopInventory().getClass());
        int id = alex.inventory().open.id;
        assertEquals(Window.TYPE_CHEST, alex.inventory().open.containerType);
        clickAs(alex, WindowClicksFromClient.click(id, 0, 0, 0, 1, Material.GOLD_INGOT.getId(), 7));
        assertNull(bob.getInventory().getItem(0));
        assertEquals(7, alex.inventory().count(PlayerInventory.CURSOR));
        // put into Bob's main inventory row (window slot 9 = Bob's API index 9)
        clickAs(alex, WindowClicksFromClient.click(id, 9, 1, 0, 2, 0, 0));
        assertEquals(1, bob.getInventory().getItem(9).getAmount());
        assertEquals(6, alex.inventory().count(PlayerInventory.CURSOR));
    }

    @Test
    public void inventoriesAreCheckedAsTheyAreMadeAndKindsWithoutAWindowDoNotOpen() {
        try {
            ApiInventories.create(game.lock(), game.thread(), game.players(), null, InventoryType.CHEST, 10, "x");
            fail("a chest of 10 slots");
        } catch (IllegalArgumentException expected) {
        }
        try {
            ApiInventories.create(game.lock(), game.thread(), game.players(), null, InventoryType.CHEST, 9, "a title of more than thirty-two letters");
            fail("a long title");
        } catch (IllegalArgumentException expected) {
        }
        Inventory furnace = ApiInventories.create(game.lock(), game.thread(), game.players(), null, InventoryType.FURNACE, 3, null);
        assertEquals("Furnace", furnace.getTitle());
        assertNull(open(alex, furnace));
        Inventory hopper = ApiInventories.create(game.lock(), game.thread(), game.players(), null, InventoryType.HOPPER, 5, null);
        assertEquals(5, open(alex, hopper).getTopInventory().getSize());
        assertEquals(Window.TYPE_HOPPER, alex.inventory().open.containerType);
        hopper.clear();
    }

    @Test
    public void thePlayersGridIsACraftingInventoryWithItsRecipe() {
        org.bukkit.inventory.CraftingInventory grid;
        synchronized (game.lock()) {
            grid = (org.bukkit.inventory.CraftingInventory) alex.getOpenInventory().getTopInventory();
            grid.setMatrix(new ItemStack[] {new ItemStack(Material.LOG, 1, (short) 2)});
        }
        assertEquals(Material.WOOD, grid.getResult().getType());
        assertEquals(2, grid.getResult().getDurability());
        assertEquals(4, grid.getMatrix().length);
        org.bukkit.inventory.Recipe r = grid.getRecipe();
        assertEquals(Material.WOOD, r.getResult().getType());
        assertEquals(4, r.getResult().getAmount());
        synchronized (game.lock()) {
            grid.setMatrix(new ItemStack[0]);
        }
        assertNull(grid.getRecipe());
        assertNull(grid.getResult());
    }
}
