package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.util.ArrayList;
import java.util.List;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Before;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.Digging;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockTable;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayReads;

/**
 * Survival digging in the flat world (grass at y 3 over dirt): how long blocks take by hand and
 * with tools, what they give, how tools wear, and what another player sees meanwhile.
 */
public class DiggingTest {
    private static final int DIRT = 3;
    private static final int STONE = 1;
    private static final int WOOD_PICKAXE = 270;
    private static final int IRON_SWORD = 267;
    private static final int HAND = 36;

    private Game game;
    private GameWorld world;
    private OnlinePlayer alex;
    private OnlinePlayer bo;
    /** What Bo got through the ticks' output, as {id, body...}. */
    private final List<int[]> boTicks = new ArrayList<int[]>();

    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    @Before
    public void setUp() throws Exception {
        game = TestGames.flat(folder.getRoot());
        world = game.world();
        alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        bo = TestGames.join(game, "Bo", 2, 3.5, 4, 3.5);
        tick(2); // they see each other
        take(alex);
        take(bo);
        boTicks.clear();
    }

    @After
    public void tearDown() {
        world.close();
    }

    private void tick(int n) {
        synchronized (game.lock()) {
            for (int i = 0; i < n; i++) {
                for (Object[] out : world.tick()) {
                    if (out[0] == bo) {
                        boTicks.addAll(frames((byte[]) out[1]));
                    }
                }
            }
        }
    }

    private static List<int[]> frames(byte[] bytes) {
        List<int[]> out = new ArrayList<int[]>();
        int i = 0;
        while (i < bytes.length) {
            int len = 0;
            for (int shift = 0; ; shift += 7) {
                int b = bytes[i++] & 0xFF;
                len |= (b & 0x7F) << shift;
                if ((b & 0x80) == 0) {
                    break;
                }
            }
            int[] f = new int[len];
            for (int k = 0; k < len; k++) {
                f[k] = bytes[i + k] & 0xFF;
            }
            out.add(f);
            i += len;
        }
        return out;
    }

    private static List<int[]> take(OnlinePlayer p) {
        try {
            return Connections.takeSent(p.connection());
        } catch (Exception e) {
            throw new AssertionError(e);
        }
    }

    private void dig(int status, int x, int y, int z) {
        try {
            ByteArrayOutputStream b = new ByteArrayOutputStream();
            DataOutputStream o = new DataOutputStream(b);
            o.writeByte(status);
            o.writeInt(x);
            o.writeByte(y);
            o.writeInt(z);
            o.writeByte(1);
            PlayReads.BlockAction a = PlayReads.playerDigging(new PacketIn(b.toByteArray()));
            synchronized (game.lock()) {
                alex.actionsThisTick = 0;
                world.interaction().dig(alex, a);
            }
        } catch (Exception e) {
            throw new AssertionError(e);
        }
    }

    /** Starts on the block, lets the ticks go by, finishes: true when the block is gone. */
    private boolean digFor(int x, int y, int z, int ticks) {
        dig(0, x, y, z);
        tick(ticks);
        dig(2, x, y, z);
        return world.blocks().blockAt(x, y, z) != alexBlockBefore;
    }

    private int alexBlockBefore;

    private void set(int x, int y, int z, int id, int data) {
        synchronized (game.lock()) {
            world.blocks().setBlock(x, y, z, id, data);
        }
        alexBlockBefore = id;
        take(alex);
        take(bo);
    }

    private void hold(int item, int count, int data) {
        alex.inventory().set(HAND, item, count, data, null);
    }

    /** How many of the item Alex has, with those lying on the ground (where a break's drops fall). */
    private int count(int item) {
        int n = 0;
        for (int s = 0; s < PlayerInventory.SLOTS; s++) {
            if (alex.inventory().item(s) == item) {
                n += alex.inventory().count(s);
            }
        }
        return n + onGround(item).size();
    }

    /** The items of the id on the ground, one entry per item (a stack counted as many). */
    private List<net.cubeworks.world.game.entity.ItemEntity> onGround(int item) {
        List<net.cubeworks.world.game.entity.ItemEntity> out = new ArrayList<net.cubeworks.world.game.entity.ItemEntity>();
        synchronized (game.lock()) {
            for (net.cubeworks.world.game.entity.ItemEntity e : world.items().all()) {
                for (int i = 0; e.itemId() == item && i < e.count(); i++) {
                    out.add(e);
                }
            }
        }
        return out;
    }

    @Test
    public void digTimesAreTheGameSeconds() {
        // ticks to break, as the game's table has them in seconds times 20
        assertEquals(15, Digging.ticksToBreak(Digging.perTick(0, BlockTable.of(DIRT), true, false)));
        assertEquals(150, Digging.ticksToBreak(Digging.perTick(0, BlockTable.of(STONE), true, false)));
        assertEquals(23, Digging.ticksToBreak(Digging.perTick(WOOD_PICKAXE, BlockTable.of(STONE), true, false)));
        assertEquals(188, Digging.ticksToBreak(Digging.perTick(278, BlockTable.of(49), true, false)));
        assertEquals("iron cannot harvest obsidian", 834,
                Digging.ticksToBreak(Digging.perTick(257, BlockTable.of(49), true, false)));
        assertEquals(60, Digging.ticksToBreak(Digging.perTick(0, BlockTable.of(17), true, false)));
        assertEquals(5, Digging.ticksToBreak(Digging.perTick(286, BlockTable.of(17), true, false)));
        assertEquals("in water and off the ground: 25 times as long", 375,
                Digging.ticksToBreak(Digging.perTick(0, BlockTable.of(DIRT), false, true)));
        assertTrue("shears take leaves at once", Digging.perTick(359, BlockTable.of(18), true, false) >= 1f);
        assertEquals(0f, Digging.perTick(WOOD_PICKAXE, BlockTable.of(7), true, false), 0f);
    }

    @Test
    public void aFinishNeedsSevenTenthsOfTheDigAndTooEarlyIsSentBack() {
        set(1, 3, 0, DIRT, 0);
        assertFalse("9 ticks of 15 are too few", digFor(1, 3, 0, 9));
        List<int[]> back = WindowClicksFromClient.withId(take(alex), 0x23);
        assertEquals("the block is sent back", 1, back.size());
        assertEquals(DIRT, back.get(0)[10]);
        assertEquals(0, count(DIRT));
        assertTrue("10 are enough", digFor(1, 3, 0, 10));
        assertEquals(1, count(DIRT));

        // a finish without a start, or on another block than the one started on, is refused
        set(1, 3, 0, DIRT, 0);
        set(1, 3, 1, DIRT, 0);
        dig(2, 1, 3, 0);
        assertEquals(DIRT, world.blocks().blockAt(1, 3, 0));
        dig(0, 1, 3, 1);
        tick(20);
        dig(2, 1, 3, 0);
        assertEquals(DIRT, world.blocks().blockAt(1, 3, 0));
        // a cancel ends the dig
        dig(0, 1, 3, 0);
        tick(20);
        dig(1, 1, 3, 0);
        dig(2, 1, 3, 0);
        assertEquals(DIRT, world.blocks().blockAt(1, 3, 0));
    }

    @Test
    public void stoneGivesCobblestoneOnlyToAPickaxeAndThePickaxeWears() {
        set(1, 3, 0, STONE, 0);
        assertFalse("a hand needs 105 ticks", digFor(1, 3, 0, 100));
        assertTrue(digFor(1, 3, 0, 104));
        assertEquals("stone by hand gives nothing", 0, count(4));

        hold(WOOD_PICKAXE, 1, 0);
        set(1, 3, 0, STONE, 0);
        assertFalse(digFor(1, 3, 0, 14));
        assertTrue(digFor(1, 3, 0, 15));
        assertEquals(1, count(4));
        assertEquals("one use", 1, alex.inventory().data(HAND));

        // iron ore with a wooden pickaxe breaks, slowly, and gives nothing
        set(1, 3, 0, 15, 0);
        assertTrue(digFor(1, 3, 0, 104));
        assertEquals(0, count(15));
        assertEquals(2, alex.inventory().data(HAND));
    }

    @Test
    public void aToolThatMayBeEnchantedIsJudgedAtItsBest() {
        // an iron pickaxe with data of its own (Efficiency V: speed 6 + 26) takes stone in 4 ticks
        alex.inventory().set(HAND, 257, 1, 0, new Object());
        set(1, 3, 0, STONE, 0);
        assertTrue(digFor(1, 3, 0, 3));
        assertEquals(1, count(4));
        // without: 8 ticks are needed
        hold(257, 1, 0);
        set(1, 3, 0, STONE, 0);
        assertFalse(digFor(1, 3, 0, 3));
        // netherrack goes at the first hit with Efficiency V, as the client breaks it
        alex.inventory().set(HAND, 278, 1, 0, new Object());
        set(1, 3, 0, 87, 0);
        dig(0, 1, 3, 0);
        assertEquals(0, world.blocks().blockAt(1, 3, 0));
        // the bonus is only for the blocks the tool suits
        alex.inventory().set(HAND, 257, 1, 0, new Object());
        set(1, 3, 0, DIRT, 0);
        assertFalse(digFor(1, 3, 0, 3));
    }

    @Test
    public void blocksWithoutHardnessBreakAtTheFirstHitAndDoNotWearTools() {
        hold(WOOD_PICKAXE, 1, 0);
        set(1, 4, 0, 38, 3);
        dig(0, 1, 4, 0);
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals(1, count(38));
        assertEquals(3, onGround(38).get(0).data()); // the flower keeps its kind
        set(1, 4, 0, 46, 0);
        dig(0, 1, 4, 0);
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals(1, count(46));
        assertEquals(0, alex.inventory().data(HAND));
        // unbreakable blocks are refused at the start
        dig(0, 0, 0, 0);
        assertEquals(7, world.blocks().blockAt(0, 0, 0));
    }

    @Test
    public void aWornOutToolBreaksAndTheOthersSeeTheHandEmpty() {
        hold(WOOD_PICKAXE, 1, 59);
        set(1, 3, 0, DIRT, 0);
        assertTrue(digFor(1, 3, 0, 10));
        assertEquals("the pickaxe is gone", 0, alex.inventory().item(HAND));
        assertEquals(1, count(DIRT));
        List<int[]> slots = WindowClicksFromClient.withId(take(alex), 0x2F);
        boolean emptied = false;
        for (int[] s : slots) {
            emptied |= s[2] == 0 && s[3] == HAND && s[4] == 0xFF && s[5] == 0xFF;
        }
        assertTrue("Alex's client is told its hand is empty", emptied);
        boTicks.clear();
        tick(1);
        List<int[]> equipment = WindowClicksFromClient.withId(boTicks, 0x04);
        assertEquals(1, equipment.size());
        assertEquals("Bo sees the empty hand", 0xFF, equipment.get(0)[7]);

        // a sword wears two a block
        hold(IRON_SWORD, 1, 0);
        set(1, 3, 0, DIRT, 0);
        assertTrue(digFor(1, 3, 0, 10));
        assertEquals(2, alex.inventory().data(HAND));
    }

    @Test
    public void aFullInventoryStillBreaksTheBlockAndItsDropWaitsOnTheGround() {
        bo.x = 40.5; // out of reach of the drop
        for (int s = 9; s < PlayerInventory.SLOTS; s++) {
            alex.inventory().set(s, 4, 64, 0, null);
        }
        set(1, 4, 1, DIRT, 0);
        assertTrue(digFor(1, 4, 1, 12));
        assertEquals(1, onGround(DIRT).size());
        tick(30);
        synchronized (game.lock()) {
            alex.x = onGround(DIRT).get(0).x; // he stands on it
            alex.z = onGround(DIRT).get(0).z;
        }
        tick(10);
        assertEquals("nowhere to go: it stays", 1, onGround(DIRT).size());
        alex.inventory().set(40, DIRT, 63, 0, null);
        tick(2);
        assertEquals("a stack with room takes it", 64, alex.inventory().count(40));
        assertEquals(0, onGround(DIRT).size());
    }

    @Test
    public void aChestsItemsFallWhereItStoodWithTheirTags() {
        for (int s = 9; s < PlayerInventory.SLOTS; s++) {
            alex.inventory().set(s, 4, 64, 0, null);
        }
        alex.inventory().set(40, 0, 0, 0, null);
        alex.inventory().set(41, 0, 0, 0, null);
        set(1, 4, 0, 54, 0);
        java.util.Map<String, Object> display = new java.util.HashMap<String, Object>();
        display.put("display", java.util.Collections.<String, Object>singletonMap("Name", "Edge"));
        Object named = net.cubeworks.world.storage.ItemTagValues.fromValues(display);
        synchronized (game.lock()) {
            net.cubeworks.world.level.SlotRow slots = ((net.cubeworks.world.level.BlockEntity.Container)
                    world.blockEntities().at(1, 4, 0)).slots;
            slots.set(3, 260, 10, 0, null);
            slots.set(20, IRON_SWORD, 1, 7, named);
        }
        assertTrue("a full inventory does not keep the chest", digFor(1, 4, 0, 80));
        assertEquals(1, count(54));
        assertEquals(10, count(260));
        assertEquals(1, count(IRON_SWORD));
        net.cubeworks.world.game.entity.ItemEntity sword = onGround(IRON_SWORD).get(0);
        assertEquals(7, sword.data());
        assertTrue(sword.tag() == named);
    }

    @Test
    public void othersSeeTheCracksGrowGoAwayOnCancelAndTheBreak() {
        set(1, 3, 0, 35, 5); // lime wool: 24 ticks by hand
        dig(0, 1, 3, 0);
        tick(6);
        dig(1, 1, 3, 0);
        List<int[]> cracks = WindowClicksFromClient.withId(take(bo), 0x25);
        assertTrue("" + cracks.size(), cracks.size() >= 3);
        assertEquals("the digger's entity id", 1, cracks.get(0)[1]);
        assertEquals(0, cracks.get(0)[14]);
        int last = -2;
        for (int i = 0; i < cracks.size() - 1; i++) {
            assertTrue("stages grow", cracks.get(i)[14] > last);
            last = cracks.get(i)[14];
        }
        assertEquals("two tenths after 6 ticks", 2, last);
        assertEquals("cancel takes them away", 0xFF, cracks.get(cracks.size() - 1)[14]);
        assertEquals("the digger draws its own", 0, WindowClicksFromClient.withId(take(alex), 0x25).size());

        // a digger who leaves mid-dig leaves no cracks behind
        dig(0, 1, 3, 0);
        tick(3);
        take(bo);
        alex.markOffline();
        tick(1);
        cracks = WindowClicksFromClient.withId(take(bo), 0x25);
        assertEquals(1, cracks.size());
        assertEquals(0xFF, cracks.get(0)[14]);
        alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);

        assertTrue(digFor(1, 3, 0, 17));
        List<int[]> effects = WindowClicksFromClient.withId(take(bo), 0x28);
        assertEquals(1, effects.size());
        int[] e = effects.get(0);
        assertEquals(2001, e[3] << 8 | e[4]);
        assertEquals("wool with its colour", 35 | 5 << 12, e[14] << 24 | e[15] << 16 | e[16] << 8 | e[17]);
        assertEquals(1, count(35));
    }

    @Test
    public void iceOnTheGroundLeavesWaterIceInTheAirNothing() {
        set(1, 3, 0, 79, 0);
        assertTrue(digFor(1, 3, 0, 12));
        assertEquals(8, world.blocks().blockAt(1, 3, 0));
        set(1, 5, 0, 79, 0);
        assertTrue(digFor(1, 5, 0, 12));
        assertEquals(0, world.blocks().blockAt(1, 5, 0));
        assertEquals(0, count(79));
    }

    @Test
    public void twoPieceBlocksGoWholeAndGiveOneItem() {
        set(1, 4, 0, 64, 1);
        set(1, 5, 0, 64, 8);
        assertTrue("the top half of a door", digFor(1, 5, 0, 63));
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals(1, count(324));
        // a rose bush picked by its top: the bottom says which flower
        set(1, 4, 0, 175, 4);
        set(1, 5, 0, 175, 8);
        dig(0, 1, 5, 0);
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals(1, count(175));
        assertEquals(4, onGround(175).get(0).data());
        // a bed facing east broken at its head
        set(1, 4, 0, 26, 3);
        set(2, 4, 0, 26, 3 | 8);
        assertTrue(digFor(2, 4, 0, 4));
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals(1, count(355));
        // a lone upper half goes alone and gives nothing
        set(1, 5, 0, 64, 8);
        assertTrue(digFor(1, 5, 0, 63));
        assertEquals(1, count(324));
    }

    @Test
    public void aHitPutsOutFireOnTheFaceHitAndCreativeBreaksShowToo() {
        set(1, 4, 0, 51, 0);
        dig(0, 1, 3, 0); // the top of the grass under the fire
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals("the grass is being dug", 2, world.blocks().blockAt(1, 3, 0));
        List<int[]> hiss = WindowClicksFromClient.withId(take(bo), 0x28);
        assertEquals(1, hiss.size());
        assertEquals(1004, hiss.get(0)[3] << 8 | hiss.get(0)[4]);

        synchronized (game.lock()) {
            alex.setModeField(GameMode.CREATIVE);
        }
        set(1, 4, 0, 51, 0);
        dig(0, 1, 3, 0);
        assertEquals(0, world.blocks().blockAt(1, 4, 0));
        assertEquals("a creative hit on fire breaks nothing else", 2, world.blocks().blockAt(1, 3, 0));
        take(bo);
        set(1, 4, 0, 64, 0);
        set(1, 5, 0, 64, 8);
        dig(0, 1, 4, 0);
        assertEquals(0, world.blocks().blockAt(1, 5, 0));
        List<int[]> broken = WindowClicksFromClient.withId(take(bo), 0x28);
        assertEquals(1, broken.size());
        assertEquals(2001, broken.get(0)[3] << 8 | broken.get(0)[4]);
    }
}
