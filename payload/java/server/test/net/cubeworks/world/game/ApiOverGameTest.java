package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.util.HashMap;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.block.Block;
import org.bukkit.block.BlockState;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.player.PlayerMoveEvent;
import org.bukkit.event.player.PlayerTeleportEvent;
import org.bukkit.inventory.ItemStack;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.event.MoveEvents;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.game.api.ApiWorld;

/**
 * The API's world, blocks, inventory and moves over a game driven without a network: what the
 * API reads and writes is the game's own state, in the game's slot numbers and rules.
 */
public class ApiOverGameTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private Game game;
    private GameWorld world;
    private OnlinePlayer p;
    private Plugin plugin;

    @Before
    public void setUp() {
        GameHost host = TestGames.host(events);
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, host, new WorldStore.None());
        world = game.world();
        p = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), 1, GameMode.SURVIVAL);
        for (int cx = -1; cx <= 1; cx++) {
            for (int cz = -1; cz <= 1; cz++) {
                p.known.add(ColumnKey.of(cx, cz));
            }
        }
        p.x = 0.5;
        p.y = 4;
        p.z = 0.5;
        plugin = TestGames.plugin("mover");
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        world.close();
    }

    private int slotItem(int windowSlot) {
        return p.inventory().item(windowSlot);
    }

    @Test
    public void theInventoryInTheApisNumberingIsThePlayersWindowSlots() {
        org.bukkit.inventory.PlayerInventory inv = p.getInventory();
        inv.setItem(0, new ItemStack(Material.STONE, 5));
        inv.setItem(9, new ItemStack(Material.DIRT, 1));
        inv.setItem(36, new ItemStack(Material.IRON_BOOTS));
        inv.setHelmet(new ItemStack(Material.GOLD_HELMET));
        assertEquals(1, slotItem(36));
        assertEquals(3, slotItem(9));
        assertEquals(309, slotItem(8));
        assertEquals(314, slotItem(5));
        assertEquals(Material.IRON_BOOTS, inv.getBoots().getType());
        assertEquals(Material.GOLD_HELMET, inv.getArmorContents()[3].getType());
        assertEquals(Material.STONE, p.getItemInHand().getType());
        inv.setHeldItemSlot(4);
        assertEquals(Material.AIR, p.getItemInHand().getType());
        try {
            inv.setHeldItemSlot(9);
            fail("slot 9 held");
        } catch (IllegalArgumentException expected) {
            // only the hot bar can be held
        }

        // partial stacks of the same kind first, then empty slots; what does not fit comes back
        HashMap<Integer, ItemStack> left = inv.addItem(new ItemStack(Material.STONE, 130));
        assertTrue(left.isEmpty());
        assertEquals(64, p.inventory().count(36));
        assertEquals(64, p.inventory().count(37));
        assertEquals(7, p.inventory().count(38));
        for (int i = 0; i < 36; i++) {
            if (inv.getItem(i) == null) {
                inv.setItem(i, new ItemStack(Material.SAND, 64));
            }
        }
        assertEquals(-1, inv.firstEmpty());
        left = inv.addItem(new ItemStack(Material.STONE, 60), new ItemStack(Material.TORCH, 3));
        assertEquals("57 stone filled the third stack", 3, left.get(0).getAmount());
        assertEquals(3, left.get(1).getAmount());
        assertEquals(Material.TORCH, left.get(1).getType());

        left = inv.removeItem(new ItemStack(Material.STONE, 200));
        assertEquals(8, left.get(0).getAmount());
        assertFalse(inv.contains(Material.STONE));
        assertEquals(0, p.inventory().count(36));
        assertEquals("the armour is not part of the contents", 36, inv.getContents().length);
        // left: the dirt, 32 stacks of sand, the boots and the helmet
        assertEquals(1 + 32 * 64 + 2, inv.clear(-1, -1));
        assertNull(inv.getBoots());

        // the cursor keeps an item's name and enchantments, as the slots do
        ItemStack named = new ItemStack(Material.DIAMOND_SWORD);
        org.bukkit.inventory.meta.ItemMeta meta = named.getItemMeta();
        meta.setDisplayName("Edge");
        named.setItemMeta(meta);
        named.addEnchantment(org.bukkit.enchantments.Enchantment.DAMAGE_ALL, 3);
        p.setItemOnCursor(named);
        assertEquals(named, p.getItemOnCursor());
        assertEquals("Edge", p.getItemOnCursor().getItemMeta().getDisplayName());
    }

    @Test
    public void theWorldsBlocksAndClockAreTheGames() {
        ApiWorld w = world.api();
        assertEquals(4, w.getHighestBlockYAt(3, 3));
        Block b = w.getBlockAt(3, 4, 3);
        b.setType(Material.GOLD_BLOCK);
        assertEquals(41, world.blocks().blockAt(3, 4, 3));
        assertEquals(5, w.getHighestBlockYAt(3, 3));
        assertEquals(Material.GOLD_BLOCK, w.getBlockAt(new Location(w, 3.7, 4.2, 3.1)).getType());

        BlockState kept = b.getState();
        b.setTypeIdAndData(35, (byte) 14, false);
        assertEquals(14, world.blocks().metaAt(3, 4, 3));
        assertFalse("the block changed since: not written", kept.update());
        assertEquals(35, world.blocks().blockAt(3, 4, 3));
        assertTrue(kept.update(true));
        assertEquals(41, world.blocks().blockAt(3, 4, 3));
        assertEquals(0, world.blocks().metaAt(3, 4, 3));

        assertFalse("above the world", w.getBlockAt(0, 300, 0).setTypeId(1));
        assertFalse("an item is no block", w.getBlockAt(0, 5, 0).setTypeId(280));
        assertEquals(0, world.blocks().blockAt(0, 5, 0));

        w.setFullTime(30000);
        w.setTime(1000);
        assertEquals(1000, w.getTime());
        assertEquals("the day goes on, not back", 49000, w.getFullTime());
        w.setSpawnLocation(7, 9, -3);
        assertEquals(new Location(w, 7, 9, -3), w.getSpawnLocation());
    }

    private static PlayReads.Movement position(double x, double feet, double z) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeDouble(x);
        o.writeDouble(feet);
        o.writeDouble(feet + 1.62);
        o.writeDouble(z);
        o.writeBoolean(true);
        return PlayReads.playerPosition(new PacketIn(b.toByteArray()));
    }

    private void move(double x, double feet, double z) throws Exception {
        synchronized (game.lock()) {
            world.movement().move(p, position(x, feet, z));
        }
    }

    @Test
    public void movesAndTeleportsFollowTheirEvents() throws Exception {
        assertNull("nobody listens: no move is looked at", MoveEvents.before(p));
        final Location[] seenFrom = new Location[1];
        events.registerEvent(PlayerMoveEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerMoveEvent e = (PlayerMoveEvent) event;
                seenFrom[0] = e.getFrom();
                if (e.getTo().getX() > 3) {
                    e.setCancelled(true);
                } else if (e.getTo().getZ() > 2) {
                    e.setTo(new Location(e.getTo().getWorld(), -1.5, 4, -1.5, 45f, 0f));
                }
            }
        }, plugin, false);
        move(1.5, 4, 0.5);
        assertEquals(1.5, p.x, 0);
        assertEquals(0.5, seenFrom[0].getX(), 0);
        assertFalse(p.teleportPending);

        move(3.5, 4, 0.5);
        assertEquals("put back", 1.5, p.x, 0);
        assertTrue("and told so", p.teleportPending);
        move(1.5, 4, 0.5); // the client arrives back

        move(1.5, 4, 2.5);
        assertEquals(-1.5, p.x, 0);
        assertEquals(-1.5, p.z, 0);
        assertEquals(45f, p.yaw, 0f);
        assertTrue(p.teleportPending);
        move(-1.5, 4, -1.5);
        assertFalse(p.teleportPending);

        events.registerEvent(PlayerTeleportEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerTeleportEvent e = (PlayerTeleportEvent) event;
                if (e.getTo().getY() > 100) {
                    e.setCancelled(true);
                }
            }
        }, plugin, false);
        assertFalse(p.teleport(new Location(world.api(), 0.5, 150, 0.5)));
        assertEquals(-1.5, p.x, 0);
        assertTrue(p.teleport(new Location(world.api(), 0.5, 10, 0.5)));
        assertEquals(10, p.getLocation().getY(), 0);
        assertEquals(11.62, p.getEyeLocation().getY(), 1e-9);
        assertFalse("not a place a client can be", p.teleport(new Location(world.api(), Double.NaN, 10, 0.5)));
        p.dead = true;
        assertFalse("the dead are not moved", p.teleport(new Location(world.api(), 0.5, 4, 0.5)));
    }
}
