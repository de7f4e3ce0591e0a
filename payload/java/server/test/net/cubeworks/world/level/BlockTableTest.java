package net.cubeworks.world.level;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.List;
import java.util.Random;

import org.junit.Test;

/** What blocks give and which tools harvest them, against the game's numbers. */
public class BlockTableTest {
    private static final int WOOD_PICKAXE = 270;
    private static final int STONE_PICKAXE = 274;
    private static final int IRON_PICKAXE = 257;
    private static final int DIAMOND_PICKAXE = 278;
    private static final int GOLD_PICKAXE = 285;
    private static final int WOOD_SHOVEL = 269;
    private static final int IRON_SWORD = 267;
    private static final int DIRT = 3;

    private static List<BlockTable.Stack> roll(int block, int meta, boolean shears, Random r) {
        return BlockTable.of(block).roll(meta, shears, r);
    }

    /** Rolls the block many times: how many of the item came out in all. */
    private static int total(int block, int meta, boolean shears, int item, int data, int times) {
        Random r = new Random(7);
        int n = 0;
        for (int i = 0; i < times; i++) {
            for (BlockTable.Stack s : roll(block, meta, shears, r)) {
                if (s.item == item && s.data == data) {
                    n += s.count;
                }
            }
        }
        return n;
    }

    private static String once(int block, int meta, boolean shears) {
        return roll(block, meta, shears, new Random(1)).toString();
    }

    @Test
    public void everyBlockOf17HasARowAndNoOtherDoes() {
        for (int id = 0; id <= 175; id++) {
            boolean missing = id >= 165 && id <= 169;
            assertEquals("block " + id, missing ? -1 : id, BlockTable.of(id).id);
        }
        assertEquals(-1, BlockTable.of(176).id);
        assertEquals(-1, BlockTable.of(-1).id);
        assertTrue(BlockTable.of(176).unbreakable());
        for (int id : new int[] {7, 8, 11, 36, 90, 119, 120, 137}) {
            assertTrue("block " + id, BlockTable.of(id).unbreakable());
        }
        for (int id : new int[] {6, 31, 37, 38, 46, 50, 55, 59, 76, 175}) {
            assertTrue("instant " + id, BlockTable.of(id).instant());
        }
        assertEquals(50f, BlockTable.of(49).hardness, 0f);
        assertEquals(22.5f, BlockTable.of(130).hardness, 0f);
    }

    @Test
    public void fixedDropsAsTheGameGivesThem() {
        assertEquals("[4:0*1]", once(1, 0, false));
        assertEquals("[3:0*1]", once(2, 0, false));
        assertEquals("podzol and coarse dirt give plain dirt", "[3:0*1]", once(3, 2, false));
        assertEquals("[263:0*1]", once(16, 0, false));
        assertEquals("[264:0*1]", once(56, 0, false));
        assertEquals("[17:2*1]", once(17, 2 | 4, false)); // the direction bits are not the wood
        assertEquals("[44:3*2]", once(43, 3, false));
        assertEquals("[340:0*3]", once(47, 0, false));
        assertEquals("[61:0*1]", once(62, 3, false));
        assertEquals("[49:0*8]", once(130, 2, false));
        assertEquals("[145:2*1]", once(145, 9, false)); // a very damaged anvil
        assertEquals("[155:2*1]", once(155, 4, false)); // a pillar gives the pillar item
        assertEquals("[332:0*3]", once(78, 2, false));
        assertEquals("the top half of a door gives nothing", "[]", once(64, 8, false));
        for (int id : new int[] {20, 79, 95, 102, 52, 174, 97, 92, 51}) {
            assertEquals("block " + id, "[]", once(id, 0, false));
            assertFalse(BlockTable.of(id).dropsAnything());
        }
    }

    @Test
    public void countsAndChancesComeOutAtTheGameRates() {
        int times = 20000;
        // redstone 4 or 5, lapis 4 to 8 as dye 4, glowstone 2 to 4, melon 3 to 7
        Random r = new Random(3);
        for (int i = 0; i < 200; i++) {
            int red = roll(73, 0, false, r).get(0).count;
            assertTrue(red >= 4 && red <= 5);
            BlockTable.Stack lapis = roll(21, 0, false, r).get(0);
            assertEquals(351, lapis.item);
            assertEquals(4, lapis.data);
            assertTrue(lapis.count >= 4 && lapis.count <= 8);
        }
        assertEquals(6.0, total(21, 0, false, 351, 4, times) / (double) times, 0.05);
        assertEquals(4.5, total(73, 0, false, 331, 0, times) / (double) times, 0.03);
        // gravel: flint one time in ten, else itself
        int flint = total(13, 0, false, 318, 0, times);
        assertEquals(0.1, flint / (double) times, 0.01);
        assertEquals(times, flint + total(13, 0, false, 13, 0, times));
        // leaves: a sapling of their wood one time in 20 (jungle 40), an apple from oak one in 200
        assertEquals(0.05, total(18, 1 | 8, false, 6, 1, times) / (double) times, 0.006);
        assertEquals(0.025, total(18, 3, false, 6, 3, times) / (double) times, 0.004);
        assertEquals(0.005, total(18, 0, false, 260, 0, times * 5) / (double) (times * 5), 0.0012);
        assertEquals("no apples from spruce", 0, total(18, 1, false, 260, 0, times));
        assertEquals("acacia saplings are 4", 0.05, total(161, 0, false, 6, 4, times) / (double) times, 0.006);
        assertEquals("dark oak gives apples", 0.005, total(161, 1, false, 260, 0, times * 5) / (double) (times * 5),
                0.0012);
        // shears take leaves and grass themselves, and nothing else of them
        assertEquals("[18:2*1]", once(18, 2 | 4, true));
        assertEquals("[31:1*1]", once(31, 1, true));
        assertEquals(0, total(18, 0, true, 6, 0, times));
        // tall grass: seeds one time in eight
        assertEquals(0.125, total(31, 1, false, 295, 0, times) / (double) times, 0.01);
        // ripe wheat: one wheat and 8/15 seeds three times; unripe one seed
        assertEquals(times, total(59, 7, false, 296, 0, times));
        assertEquals(3 * 8 / 15.0, total(59, 7, false, 295, 0, times) / (double) times, 0.04);
        assertEquals("[295:0*1]", once(59, 3, false));
        // mushroom blocks: none 8 times in 10, one or two the other times
        assertEquals(0.3, total(99, 0, false, 39, 0, times) / (double) times, 0.02);
    }

    @Test
    public void harvestNeedsTheRightToolAndLevel() {
        BlockTable.Block stone = BlockTable.of(1);
        assertFalse("stone by hand gives nothing", Tools.harvests(0, stone));
        assertFalse(Tools.harvests(WOOD_SHOVEL, stone));
        assertTrue(Tools.harvests(WOOD_PICKAXE, stone));
        assertTrue(Tools.harvests(GOLD_PICKAXE, stone));
        BlockTable.Block iron = BlockTable.of(15);
        assertFalse(Tools.harvests(WOOD_PICKAXE, iron));
        assertFalse(Tools.harvests(GOLD_PICKAXE, iron));
        assertTrue(Tools.harvests(STONE_PICKAXE, iron));
        BlockTable.Block diamond = BlockTable.of(56);
        assertFalse(Tools.harvests(STONE_PICKAXE, diamond));
        assertTrue(Tools.harvests(IRON_PICKAXE, diamond));
        BlockTable.Block obsidian = BlockTable.of(49);
        assertFalse(Tools.harvests(IRON_PICKAXE, obsidian));
        assertTrue(Tools.harvests(DIAMOND_PICKAXE, obsidian));
        assertFalse("an anvil is metal", Tools.harvests(0, BlockTable.of(145)));
        assertFalse("snow by hand gives no snowballs", Tools.harvests(0, BlockTable.of(80)));
        assertTrue(Tools.harvests(WOOD_SHOVEL, BlockTable.of(78)));
        assertFalse(Tools.harvests(0, BlockTable.of(30)));
        assertTrue("cobweb with a sword", Tools.harvests(IRON_SWORD, BlockTable.of(30)));
        assertTrue("cobweb with shears", Tools.harvests(Tools.SHEARS_ITEM, BlockTable.of(30)));
        assertTrue("wood and earth by hand", Tools.harvests(0, BlockTable.of(17)) && Tools.harvests(0, BlockTable.of(DIRT)));
    }

    @Test
    public void toolsSpeedAndWearAsTheGameHasThem() {
        int[][] tiers = {{270, 2, 59}, {274, 4, 131}, {257, 6, 250}, {278, 8, 1561}, {285, 12, 32}};
        for (int[] t : tiers) {
            assertEquals(t[1], Tools.speed(t[0], BlockTable.of(1)), 0f);
            assertEquals(t[2], Tools.of(t[0]).maxDamage);
        }
        assertEquals(238, Tools.of(Tools.SHEARS_ITEM).maxDamage);
        assertEquals("a pickaxe does not speed up dirt", 1f, Tools.speed(DIAMOND_PICKAXE, BlockTable.of(DIRT)), 0f);
        assertEquals("rails are a pickaxe's", 6f, Tools.speed(IRON_PICKAXE, BlockTable.of(66)), 0f);
        assertEquals(6f, Tools.speed(258, BlockTable.of(17)), 0f);
        assertEquals("axes cut vines fast", 6f, Tools.speed(258, BlockTable.of(106)), 0f);
        assertEquals(2f, Tools.speed(WOOD_SHOVEL, BlockTable.of(13)), 0f);
        assertEquals(15f, Tools.speed(IRON_SWORD, BlockTable.of(30)), 0f);
        assertEquals(1.5f, Tools.speed(IRON_SWORD, BlockTable.of(18)), 0f);
        assertEquals(1.5f, Tools.speed(IRON_SWORD, BlockTable.of(103)), 0f);
        assertEquals(15f, Tools.speed(Tools.SHEARS_ITEM, BlockTable.of(18)), 0f);
        assertEquals(5f, Tools.speed(Tools.SHEARS_ITEM, BlockTable.of(35)), 0f);
        assertEquals("hoes dig as a hand", 1f, Tools.speed(290, BlockTable.of(DIRT)), 0f);

        assertEquals(1, Tools.wear(WOOD_PICKAXE, BlockTable.of(DIRT)));
        assertEquals(2, Tools.wear(IRON_SWORD, BlockTable.of(DIRT)));
        assertEquals("no wear from a block without hardness", 0, Tools.wear(WOOD_PICKAXE, BlockTable.of(50)));
        assertEquals(1, Tools.wear(Tools.SHEARS_ITEM, BlockTable.of(18)));
        assertEquals("shears wear on grass they cut", 1, Tools.wear(Tools.SHEARS_ITEM, BlockTable.of(31)));
        assertEquals(0, Tools.wear(Tools.SHEARS_ITEM, BlockTable.of(DIRT)));
        assertEquals(0, Tools.wear(290, BlockTable.of(DIRT)));
        assertEquals(0, Tools.wear(DIRT, BlockTable.of(1)));
    }

    @Test(expected = IllegalArgumentException.class)
    public void aMalformedRowFailsLoudly() {
        BlockTable.parse("300 thing 1 rock pick : 4");
    }
}
