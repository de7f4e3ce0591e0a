package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.block.BlockPlaceEvent;
import org.bukkit.plugin.EventExecutor;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/**
 * Placing by hand in a running game: a sign opens its editor for the placer alone, two-block
 * things go whole or not at all and leave whole, a refused placement keeps the item and what
 * was in the cell.
 */
public class PlacingTest {
    private static final int HAND = PlayerInventory.HOTBAR;
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private Game game;
    private GameWorld world;
    private OnlinePlayer alex;
    private OnlinePlayer bo;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("spawn-protection=0\n".getBytes(Charset.forName("UTF-8"))), null,
                TestGames.host(events), new WorldStore.None());
        world = game.world();
        // on the flat world's grass (y 3), looking south
        alex = TestGames.join(game, "Alex", 1, 2.5, 4, 0.5);
        bo = TestGames.join(game, "Bo", 2, -3.5, 4, -3.5);
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        world.close();
    }

    private static PlayReads.BlockAction click(int x, int y, int z, int face, int cursorY) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(x);
        o.writeByte(y);
        o.writeInt(z);
        o.writeByte(face);
        o.writeShort(-1);
        o.write(new byte[] {8, (byte) cursorY, 8});
        return PlayReads.blockPlacement(new PacketIn(b.toByteArray()));
    }

    private void place(final OnlinePlayer p, final PlayReads.BlockAction a) {
        synchronized (game.lock()) {
            p.actionsThisTick = 0;
            world.interaction().place(p, a);
        }
    }

    private String block(int x, int y, int z) {
        synchronized (game.lock()) {
            return world.blocks().blockAt(x, y, z) + ":" + world.blocks().metaAt(x, y, z);
        }
    }

    private static List<Integer> ids(OnlinePlayer p) throws Exception {
        List<Integer> ids = new ArrayList<Integer>();
        for (int[] packet : Connections.takeSent(p.connection())) {
            ids.add(packet[0]);
        }
        return ids;
    }

    private static PlayReads.SignText text(int x, int y, int z, String first) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(x);
        o.writeShort(y);
        o.writeInt(z);
        for (String line : new String[] {first, "", "", ""}) {
            byte[] utf8 = line.getBytes("UTF-8");
            o.writeByte(utf8.length);
            o.write(utf8);
        }
        return PlayReads.updateSign(new PacketIn(b.toByteArray()));
    }

    @Test
    public void aPlacedSignOpensItsEditorForThePlacerWhoWritesItOnce() throws Exception {
        alex.inventory().set(HAND, 323, 2, 0, null);
        ids(alex);
        ids(bo);
        place(alex, click(2, 3, 2, 1, 16));
        assertEquals("a sign post turned to him", "63:8", block(2, 4, 2));
        assertEquals(1, alex.inventory().count(HAND));
        List<Integer> toAlex = ids(alex);
        assertTrue(toAlex.toString(), toAlex.contains(PlayPackets.OPEN_SIGN_EDITOR));
        assertTrue("after the block", toAlex.indexOf(PlayPackets.BLOCK_CHANGE) < toAlex.indexOf(PlayPackets.OPEN_SIGN_EDITOR));
        assertTrue(!ids(bo).contains(PlayPackets.OPEN_SIGN_EDITOR));
        synchronized (game.lock()) {
            world.blockEvents().signText(bo, text(2, 4, 2, "Bo was here"));
            world.blockEvents().signText(alex, text(2, 4, 2, "Alex's"));
            world.blockEvents().signText(alex, text(2, 4, 2, "again"));
        }
        assertEquals("Alex's", world.blockEntities().signLines(2, 4, 2)[0]);
        place(alex, click(2, 3, 3, 1, 16));
        synchronized (game.lock()) {
            world.blockEvents().signText(alex, text(2, 4, 3, "\u00a7cred"));
        }
        assertEquals("a colour code is refused as the game refuses it", "!?", world.blockEntities().signLines(2, 4, 3)[0]);
        alex.inventory().set(HAND, 323, 1, 0, null);

        // on a wall: the sign faces out of the face clicked
        synchronized (game.lock()) {
            world.blocks().setBlock(4, 4, 2, 4, 0);
        }
        place(alex, click(4, 4, 2, 4, 8));
        assertEquals("68:4", block(3, 4, 2));
        assertEquals(0, alex.inventory().count(HAND));
    }

    @Test
    public void doorsAndBedsArePlacedWholeAndTheItemGoesOnlyWhenTheyAre() throws Exception {
        alex.inventory().set(HAND, 324, 2, 0, null);
        place(alex, click(2, 3, 3, 1, 16));
        assertEquals("64:1", block(2, 4, 3));
        assertEquals("64:8", block(2, 5, 3));
        assertEquals(1, alex.inventory().count(HAND));
        synchronized (game.lock()) {
            world.blocks().setBlock(0, 5, 3, 1, 0);
        }
        place(alex, click(0, 3, 3, 1, 16));
        assertEquals("no room for the upper half: nothing placed", "0:0", block(0, 4, 3));
        assertEquals("and the door kept", 1, alex.inventory().count(HAND));

        alex.inventory().set(HAND, 355, 1, 0, null);
        alex.yaw = 270; // east
        place(alex, click(3, 3, 0, 1, 16));
        assertEquals("the foot", "26:3", block(3, 4, 0));
        assertEquals("the head", "26:11", block(4, 4, 0));
        assertEquals(0, alex.inventory().count(HAND));
    }

    @Test
    public void breakingEitherHalfTakesBothWithOneDrop() throws Exception {
        alex.inventory().set(HAND, 175, 1, 4, null); // a rose bush, broken at the first hit
        place(alex, click(2, 3, 3, 1, 16));
        assertEquals("175:4", block(2, 4, 3));
        assertEquals("175:8", block(2, 5, 3));
        assertEquals(0, alex.inventory().count(HAND));
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(0);
        o.writeInt(2);
        o.writeByte(5);
        o.writeInt(3);
        o.writeByte(2);
        final PlayReads.BlockAction hitTop = PlayReads.playerDigging(new PacketIn(b.toByteArray()));
        synchronized (game.lock()) {
            world.interaction().dig(alex, hitTop);
        }
        assertEquals("0:0", block(2, 5, 3));
        assertEquals("0:0", block(2, 4, 3));
        // it falls where it stood
        assertEquals(1, world.items().all().size());
        net.cubeworks.world.game.entity.ItemEntity bush = world.items().all().get(0);
        assertEquals("one rose bush, by the lower half's kind", "175:4x1", bush.itemId() + ":" + bush.data() + "x"
                + bush.count());
    }

    @Test
    public void aRefusedPlacementLeavesWhatWasInTheCell() throws Exception {
        final List<String> replaced = new ArrayList<String>();
        events.registerEvent(BlockPlaceEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                BlockPlaceEvent e = (BlockPlaceEvent) event;
                int was = e.getBlockReplacedState().getTypeId();
                replaced.add(was + ":" + e.getBlockReplacedState().getRawData());
                e.setCancelled(was == 8 || was == 9);
            }
        }, TestGames.plugin("guard"), false);
        synchronized (game.lock()) {
            world.blocks().setBlock(2, 4, 3, 9, 0);
            world.blocks().setBlock(3, 4, 3, 31, 1);
        }
        alex.inventory().set(HAND, 4, 2, 0, null);
        place(alex, click(2, 3, 3, 1, 16));
        assertTrue(replaced.get(0), replaced.get(0).startsWith("8:") || replaced.get(0).startsWith("9:"));
        assertEquals("the water is back", replaced.get(0), block(2, 4, 3));
        assertEquals(2, alex.inventory().count(HAND));
        place(alex, click(3, 4, 3, 2, 8));
        assertEquals("clicked grass makes way", "4:0", block(3, 4, 3));
        assertEquals(1, alex.inventory().count(HAND));
        alex.setGameMode(GameMode.CREATIVE);
        alex.inventory().set(HAND, 54, 1, 0, null);
        place(alex, click(4, 3, 3, 1, 16));
        place(alex, click(5, 3, 3, 1, 16));
        assertEquals("a chest beside a chest: the pair faces him", "54:2 54:2", block(4, 4, 3) + " " + block(5, 4, 3));
        assertEquals("a creative player keeps his item", 1, alex.inventory().count(HAND));
    }
}
