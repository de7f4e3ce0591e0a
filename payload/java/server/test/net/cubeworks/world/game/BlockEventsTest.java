package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.util.ArrayList;
import java.util.List;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.block.BlockBreakEvent;
import org.bukkit.event.block.BlockPlaceEvent;
import org.bukkit.event.player.PlayerInteractEvent;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.event.MoveEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** Digging, placing and clicking ask the plugins first; what they refuse leaves the world as it was. */
public class BlockEventsTest {
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

    private void on(Class<? extends Event> type, EventPriority priority, EventExecutor executor) {
        events.registerEvent(type, new Listener() {
        }, priority, executor, plugin, false);
    }

    private static PlayReads.BlockAction dig(int status, int x, int y, int z) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(status);
        o.writeInt(x);
        o.writeByte(y);
        o.writeInt(z);
        o.writeByte(1);
        return PlayReads.playerDigging(new PacketIn(b.toByteArray()));
    }

    private static PlayReads.BlockAction place(int x, int y, int z, int face) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(x);
        o.writeByte(y);
        o.writeInt(z);
        o.writeByte(face);
        o.writeShort(-1);
        o.write(new byte[] {8, 8, 8});
        return PlayReads.blockPlacement(new PacketIn(b.toByteArray()));
    }

    private void act(Runnable r) {
        synchronized (game.lock()) {
            p.actionsThisTick = 0;
            r.run();
        }
    }

    @Test
    public void aRefusedBreakLeavesTheBlockAndDropsNothing() throws Exception {
        on(BlockBreakEvent.class, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                BlockBreakEvent e = (BlockBreakEvent) event;
                seen.add(e.getPlayer().getName() + " " + e.getBlock().getType() + " " + e.getBlock().getX());
                e.setCancelled(e.getBlock().getX() == 3);
            }
        });
        // flowers break at the first hit of a survival player, and give themselves
        final PlayReads.BlockAction refused = dig(0, 3, 4, 3);
        final PlayReads.BlockAction allowed = dig(0, 1, 4, 1);
        act(new Runnable() {
            public void run() {
                world.blocks().setBlock(3, 4, 3, 37, 0);
                world.blocks().setBlock(1, 4, 1, 37, 0);
                world.interaction().dig(p, refused);
                world.interaction().dig(p, allowed);
            }
        });
        assertEquals("[Alex YELLOW_FLOWER 3, Alex YELLOW_FLOWER 1]", seen.toString());
        assertEquals(37, world.blocks().blockAt(3, 4, 3));
        assertEquals(0, world.blocks().blockAt(1, 4, 1));
        assertEquals("one flower: from the allowed dig only", 1, world.items().size());
        net.cubeworks.world.game.entity.ItemEntity flower = world.items().all().get(0);
        assertEquals(37, flower.itemId());
        assertEquals("where the allowed one was", 1.5, flower.x, 0.36);
    }

    @Test
    public void aPlacementIsSeenByThePluginsAndUndoneWhenRefused() throws Exception {
        p.inventory().set(PlayerInventory.HOTBAR, 1, 3, 0, null);
        on(BlockPlaceEvent.class, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                BlockPlaceEvent e = (BlockPlaceEvent) event;
                seen.add(e.getBlockPlaced().getType() + " over " + e.getBlockReplacedState().getType() + " on "
                        + e.getBlockAgainst().getType() + " with " + e.getItemInHand().getType() + " x"
                        + e.getItemInHand().getAmount());
                if (e.getBlockPlaced().getZ() == 4) {
                    e.setBuild(false);
                }
            }
        });
        on(BlockPlaceEvent.class, EventPriority.MONITOR, new EventExecutor() {
            public void execute(Listener l, Event event) {
                seen.add("monitor " + ((BlockPlaceEvent) event).canBuild());
            }
        });
        final PlayReads.BlockAction refused = place(2, 3, 4, 1);
        final PlayReads.BlockAction allowed = place(2, 3, 1, 1);
        act(new Runnable() {
            public void run() {
                world.interaction().place(p, refused);
                world.interaction().place(p, allowed);
            }
        });
        assertEquals("[STONE over AIR on GRASS with STONE x3, monitor false, STONE over AIR on GRASS with STONE x3, "
                + "monitor true]", seen.toString());
        assertEquals(0, world.blocks().blockAt(2, 4, 4));
        assertEquals(1, world.blocks().blockAt(2, 4, 1));
        assertEquals("only the allowed stone was used", 2, p.inventory().count(PlayerInventory.HOTBAR));
    }

    @Test
    public void aDeniedClickUsesNothing() throws Exception {
        p.inventory().set(PlayerInventory.HOTBAR, 1, 3, 0, null);
        p.setModeField(GameMode.CREATIVE);
        on(PlayerInteractEvent.class, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerInteractEvent e = (PlayerInteractEvent) event;
                seen.add(e.getAction() + " " + (e.hasBlock() ? e.getClickedBlock().getType() + "@" + e.getBlockFace() : "-")
                        + " " + e.getMaterial());
                e.setCancelled(true);
            }
        });
        final PlayReads.BlockAction hit = dig(0, 3, 3, 3);
        final PlayReads.BlockAction use = place(2, 3, 1, 1);
        final PlayReads.BlockAction air = place(-1, 255, -1, -1);
        act(new Runnable() {
            public void run() {
                world.interaction().dig(p, hit);
                world.interaction().place(p, use);
                world.interaction().place(p, air);
            }
        });
        assertEquals("[LEFT_CLICK_BLOCK GRASS@UP STONE, RIGHT_CLICK_BLOCK GRASS@UP STONE, RIGHT_CLICK_AIR - STONE]",
                seen.toString());
        assertEquals("a creative hit breaks at once, unless denied", 2, world.blocks().blockAt(3, 3, 3));
        assertEquals(0, world.blocks().blockAt(2, 4, 1));
        assertEquals(3, p.inventory().count(PlayerInventory.HOTBAR));
        assertNull(MoveEvents.before(p));
    }
}
