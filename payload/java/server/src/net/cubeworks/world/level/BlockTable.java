package net.cubeworks.world.level;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Random;

/**
 * How each block id of 1.7 (0 to 175) digs and what it gives: its hardness (-1 cannot be
 * broken), its material, the tool that digs it fastest, the pickaxe level it needs, and its
 * drops with their chances and counts. The table is data, one line a block:
 *
 * <pre>
 * id name hardness material tool level : drop drop ...
 * </pre>
 *
 * tool is {@code -}, {@code pick}, {@code axe}, {@code shovel} or {@code shears}. A drop is
 * {@code item[:data][*count][@chance][#rolls]} with alternatives joined by {@code |} (the
 * first whose chance comes up is given) and conditions after {@code ?}:
 * <ul>
 * <li>item: an id, or {@code self} for the block's own id;</li>
 * <li>data: a number, or {@code mMASK[>SHIFT][+ADD]}, taken from the block's metadata;</li>
 * <li>count: {@code N}, {@code MIN-MAX} (evenly), or {@code mMASK+ADD} from the metadata;</li>
 * <li>chance: {@code NUM/DEN}, or {@code g/DEN} for (growth + 1)/DEN where growth is the
 * metadata's low three bits;</li>
 * <li>rolls: how many times the drop is tried;</li>
 * <li>conditions: {@code shears} or {@code !shears} (the item in hand), {@code mMASK=LO[-HI]}
 * (the metadata under the mask in that range).</li>
 * </ul>
 * Materials that decide a rule: rock, iron and anvil need a pickaxe of the block's level to
 * drop anything; snow needs a shovel; web a sword or shears (see {@link Tools}).
 */
public final class BlockTable {
    private static final String TABLE = ""
            + "0 air 0 air - 0 :\n"
            + "1 stone 1.5 rock pick 0 : 4\n"
            + "2 grass 0.6 grass shovel 0 : 3\n"
            + "3 dirt 0.5 ground shovel 0 : 3\n"
            + "4 cobblestone 2 rock pick 0 : self\n"
            + "5 planks 2 wood axe 0 : self:m15\n"
            + "6 sapling 0 plants - 0 : self:m7\n"
            + "7 bedrock -1 rock - 0 :\n"
            + "8 flowing_water 100 water - 0 :\n"
            + "9 water 100 water - 0 :\n"
            + "10 flowing_lava 100 lava - 0 :\n"
            + "11 lava 100 lava - 0 :\n"
            + "12 sand 0.5 sand shovel 0 : self:m15\n"
            + "13 gravel 0.6 sand shovel 0 : 318@1/10|13\n"
            + "14 gold_ore 3 rock pick 2 : self\n"
            + "15 iron_ore 3 rock pick 1 : self\n"
            + "16 coal_ore 3 rock pick 0 : 263\n"
            + "17 log 2 wood axe 0 : self:m3\n"
            + "18 leaves 0.2 leaves shears 0 : self:m3?shears 6:m3@1/20?!shears?m3=0-2 6:m3@1/40?!shears?m3=3"
            + " 260@1/200?!shears?m3=0\n"
            + "19 sponge 0.6 sponge - 0 : self\n"
            + "20 glass 0.3 glass - 0 :\n"
            + "21 lapis_ore 3 rock pick 1 : 351:4*4-8\n"
            + "22 lapis_block 3 iron pick 1 : self\n"
            + "23 dispenser 3.5 rock pick 0 : self\n"
            + "24 sandstone 0.8 rock pick 0 : self:m15\n"
            + "25 noteblock 0.8 wood axe 0 : self\n"
            + "26 bed 0.2 cloth - 0 : 355?m8=0\n"
            + "27 golden_rail 0.7 circuits pick 0 : self\n"
            + "28 detector_rail 0.7 circuits pick 0 : self\n"
            + "29 sticky_piston 0.5 piston - 0 : self\n"
            + "30 web 4 web shears 0 : 287\n"
            + "31 tallgrass 0 vine shears 0 : self:m3?shears 295@1/8?!shears\n"
            + "32 deadbush 0 vine - 0 : self?shears\n"
            + "33 piston 0.5 piston - 0 : self\n"
            + "34 piston_head 0.5 piston - 0 :\n"
            + "35 wool 0.8 wool - 0 : self:m15\n"
            + "36 piston_extension -1 piston - 0 :\n"
            + "37 yellow_flower 0 plants - 0 : self\n"
            + "38 red_flower 0 plants - 0 : self:m15\n"
            + "39 brown_mushroom 0 plants - 0 : self\n"
            + "40 red_mushroom 0 plants - 0 : self\n"
            + "41 gold_block 3 iron pick 2 : self\n"
            + "42 iron_block 5 iron pick 1 : self\n"
            + "43 double_stone_slab 2 rock pick 0 : 44:m7*2\n"
            + "44 stone_slab 2 rock pick 0 : self:m7\n"
            + "45 brick_block 2 rock pick 0 : self\n"
            + "46 tnt 0 tnt - 0 : self\n"
            + "47 bookshelf 1.5 wood axe 0 : 340*3\n"
            + "48 mossy_cobblestone 2 rock pick 0 : self\n"
            + "49 obsidian 50 rock pick 3 : self\n"
            + "50 torch 0 circuits - 0 : self\n"
            + "51 fire 0 fire - 0 :\n"
            + "52 mob_spawner 5 rock pick 0 :\n"
            + "53 oak_stairs 2 wood axe 0 : self\n"
            + "54 chest 2.5 wood axe 0 : self\n"
            + "55 redstone_wire 0 circuits - 0 : 331\n"
            + "56 diamond_ore 3 rock pick 2 : 264\n"
            + "57 diamond_block 5 iron pick 2 : self\n"
            + "58 crafting_table 2.5 wood axe 0 : self\n"
            + "59 wheat 0 plants - 0 : 296?m7=7 295?m7=0-6 295@g/15#3?m7=7\n"
            + "60 farmland 0.6 ground shovel 0 : 3\n"
            + "61 furnace 3.5 rock pick 0 : 61\n"
            + "62 lit_furnace 3.5 rock pick 0 : 61\n"
            + "63 standing_sign 1 wood axe 0 : 323\n"
            + "64 wooden_door 3 wood axe 0 : 324?m8=0\n"
            + "65 ladder 0.4 circuits - 0 : self\n"
            + "66 rail 0.7 circuits pick 0 : self\n"
            + "67 stone_stairs 2 rock pick 0 : self\n"
            + "68 wall_sign 1 wood axe 0 : 323\n"
            + "69 lever 0.5 circuits - 0 : self\n"
            + "70 stone_pressure_plate 0.5 rock pick 0 : self\n"
            + "71 iron_door 5 iron pick 0 : 330?m8=0\n"
            + "72 wooden_pressure_plate 0.5 wood axe 0 : self\n"
            + "73 redstone_ore 3 rock pick 2 : 331*4-5\n"
            + "74 lit_redstone_ore 3 rock pick 2 : 331*4-5\n"
            + "75 unlit_redstone_torch 0 circuits - 0 : 76\n"
            + "76 redstone_torch 0 circuits - 0 : self\n"
            + "77 stone_button 0.5 circuits - 0 : self\n"
            + "78 snow_layer 0.1 snow shovel 0 : 332*m7+1\n"
            + "79 ice 0.5 ice pick 0 :\n"
            + "80 snow 0.2 snow shovel 0 : 332*4\n"
            + "81 cactus 0.4 cactus - 0 : self\n"
            + "82 clay 0.6 clay shovel 0 : 337*4\n"
            + "83 reeds 0 plants - 0 : 338\n"
            + "84 jukebox 2 wood axe 0 : self\n"
            + "85 fence 2 wood axe 0 : self\n"
            + "86 pumpkin 1 gourd axe 0 : self\n"
            + "87 netherrack 0.4 rock pick 0 : self\n"
            + "88 soul_sand 0.5 sand shovel 0 : self\n"
            + "89 glowstone 0.3 glass - 0 : 348*2-4\n"
            + "90 portal -1 portal - 0 :\n"
            + "91 lit_pumpkin 1 gourd axe 0 : self\n"
            + "92 cake 0.5 cake - 0 :\n"
            + "93 unpowered_repeater 0 circuits - 0 : 356\n"
            + "94 powered_repeater 0 circuits - 0 : 356\n"
            + "95 stained_glass 0.3 glass - 0 :\n"
            + "96 trapdoor 3 wood axe 0 : self\n"
            + "97 monster_egg 0.75 clay - 0 :\n"
            + "98 stonebrick 1.5 rock pick 0 : self:m15\n"
            + "99 brown_mushroom_block 0.2 wood axe 0 : 39*2@1/10|39@1/9\n"
            + "100 red_mushroom_block 0.2 wood axe 0 : 40*2@1/10|40@1/9\n"
            + "101 iron_bars 5 iron pick 0 : self\n"
            + "102 glass_pane 0.3 glass - 0 :\n"
            + "103 melon_block 1 gourd - 0 : 360*3-7\n"
            + "104 pumpkin_stem 0 plants - 0 : 361@g/15#3\n"
            + "105 melon_stem 0 plants - 0 : 362@g/15#3\n"
            + "106 vine 0.2 vine shears 0 : self?shears\n"
            + "107 fence_gate 2 wood axe 0 : self\n"
            + "108 brick_stairs 2 rock pick 0 : self\n"
            + "109 stone_brick_stairs 1.5 rock pick 0 : self\n"
            + "110 mycelium 0.6 grass shovel 0 : 3\n"
            + "111 waterlily 0 plants - 0 : self\n"
            + "112 nether_brick 2 rock pick 0 : self\n"
            + "113 nether_brick_fence 2 rock pick 0 : self\n"
            + "114 nether_brick_stairs 2 rock pick 0 : self\n"
            + "115 nether_wart 0 plants - 0 : 372*2-4?m3=3 372?m3=0-2\n"
            + "116 enchanting_table 5 rock pick 0 : self\n"
            + "117 brewing_stand 0.5 iron pick 0 : 379\n"
            + "118 cauldron 2 iron pick 0 : 380\n"
            + "119 end_portal -1 portal - 0 :\n"
            + "120 end_portal_frame -1 rock - 0 :\n"
            + "121 end_stone 3 rock pick 0 : self\n"
            + "122 dragon_egg 3 egg - 0 : self\n"
            + "123 redstone_lamp 0.3 lamp - 0 : self\n"
            + "124 lit_redstone_lamp 0.3 lamp - 0 : 123\n"
            + "125 double_wooden_slab 2 wood axe 0 : 126:m7*2\n"
            + "126 wooden_slab 2 wood axe 0 : self:m7\n"
            + "127 cocoa 0.2 plants - 0 : 351:3*3?m12=8-12 351:3?m12=0-4\n"
            + "128 sandstone_stairs 0.8 rock pick 0 : self\n"
            + "129 emerald_ore 3 rock pick 2 : 388\n"
            + "130 ender_chest 22.5 rock pick 0 : 49*8\n"
            + "131 tripwire_hook 0 circuits - 0 : self\n"
            + "132 tripwire 0 circuits shears 0 : 287\n"
            + "133 emerald_block 5 iron pick 2 : self\n"
            + "134 spruce_stairs 2 wood axe 0 : self\n"
            + "135 birch_stairs 2 wood axe 0 : self\n"
            + "136 jungle_stairs 2 wood axe 0 : self\n"
            + "137 command_block -1 iron - 0 :\n"
            + "138 beacon 3 glass - 0 : self\n"
            + "139 cobblestone_wall 2 rock pick 0 : self:m1\n"
            + "140 flower_pot 0 circuits - 0 : 390\n"
            + "141 carrots 0 plants - 0 : 391 391@g/15#3?m7=7\n"
            + "142 potatoes 0 plants - 0 : 392 392@g/15#3?m7=7 394@1/50?m7=7\n"
            + "143 wooden_button 0.5 circuits - 0 : self\n"
            + "144 skull 1 circuits - 0 : 397\n"
            + "145 anvil 5 anvil pick 0 : self:m12>2\n"
            + "146 trapped_chest 2.5 wood axe 0 : self\n"
            + "147 light_weighted_pressure_plate 0.5 iron pick 0 : self\n"
            + "148 heavy_weighted_pressure_plate 0.5 iron pick 0 : self\n"
            + "149 unpowered_comparator 0 circuits - 0 : 404\n"
            + "150 powered_comparator 0 circuits - 0 : 404\n"
            + "151 daylight_detector 0.2 wood axe 0 : self\n"
            + "152 redstone_block 5 iron pick 0 : self\n"
            + "153 quartz_ore 3 rock pick 0 : 406\n"
            + "154 hopper 3 iron pick 0 : self\n"
            + "155 quartz_block 0.8 rock pick 0 : self:m7?m7=0-2 self:2?m7=3-4\n"
            + "156 quartz_stairs 0.8 rock pick 0 : self\n"
            + "157 activator_rail 0.7 circuits pick 0 : self\n"
            + "158 dropper 3.5 rock pick 0 : self\n"
            + "159 stained_hardened_clay 1.25 rock pick 0 : self:m15\n"
            + "160 stained_glass_pane 0.3 glass - 0 :\n"
            + "161 leaves2 0.2 leaves shears 0 : self:m3?shears 6:m3+4@1/20?!shears 260@1/200?!shears?m3=1\n"
            + "162 log2 2 wood axe 0 : self:m3\n"
            + "163 acacia_stairs 2 wood axe 0 : self\n"
            + "164 dark_oak_stairs 2 wood axe 0 : self\n"
            + "170 hay_block 0.5 grass - 0 : self\n"
            + "171 carpet 0.1 carpet - 0 : self:m15\n"
            + "172 hardened_clay 1.25 rock pick 0 : self\n"
            + "173 coal_block 5 rock pick 0 : self\n"
            + "174 packed_ice 0.5 packedice - 0 :\n"
            + "175 double_plant 0 vine - 0 : self:m7?m15=0-1 self:m7?m15=4-5 295@1/8?!shears?m15=2-3"
            + " 31:1*2?shears?m15=2 31:2*2?shears?m15=3\n";

    /**
     * The blocks made of two halves, and how the halves stand: "upright" one on the other, the
     * upper with metadata bit 8 (doors, tall flowers); "bed" side by side, the head with bit 8
     * one step from the foot the way the low two bits face (south, west, north, east).
     */
    private static final String HALVES = "26 bed\n64 upright\n71 upright\n175 upright\n";

    /** How a block's halves stand; NONE for a block of one piece. */
    public enum Halves { NONE, UPRIGHT, BED }

    private static final int[][] BED_STEP = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};

    /**
     * Where the other half of a two-piece block with the metadata at (x, y, z) is, as
     * {x, y, z}; null for a block of one piece.
     */
    public static int[] otherHalf(int id, int meta, int x, int y, int z) {
        Halves h = of(id).halves;
        if (h == Halves.UPRIGHT) {
            return new int[] {x, (meta & 8) != 0 ? y - 1 : y + 1, z};
        }
        if (h == Halves.BED) {
            int[] step = BED_STEP[meta & 3];
            int sign = (meta & 8) != 0 ? -1 : 1;
            return new int[] {x + sign * step[0], y, z + sign * step[1]};
        }
        return null;
    }

    /** Whether the metadata is of the half that says what the block drops: the lower one, the foot. */
    public static boolean mainHalf(int meta) {
        return (meta & 8) == 0;
    }

    /** One item given, as it was rolled: id, count, data. */
    public static final class Stack {
        public final int item;
        public final int count;
        public final int data;

        Stack(int item, int count, int data) {
            this.item = item;
            this.count = count;
            this.data = data;
        }

        @Override
        public String toString() {
            return item + ":" + data + "*" + count;
        }
    }

    /** One way a drop can come out. */
    static final class Alternative {
        int item;
        boolean self;
        /** Fixed data, or from the metadata when dataMask is not 0. */
        int data;
        int dataMask;
        int dataShift;
        int min = 1;
        int max = 1;
        /** Count from the metadata when countMask is not 0: (meta &amp; countMask) + countAdd. */
        int countMask;
        int countAdd;
        int chanceNum = 1;
        int chanceDen = 1;
        /** The chance is (growth + 1) / chanceDen. */
        boolean byGrowth;
    }

    /** One drop: its alternatives, how many tries, and when it applies. */
    static final class Drop {
        final List<Alternative> alternatives = new ArrayList<Alternative>();
        int rolls = 1;
        /** 1: only with shears in hand; -1: only without; 0: either. */
        int shears;
        int condMask;
        int condLo;
        int condHi;
    }

    /** One block id's row. */
    public static final class Block {
        public final int id;
        public final String name;
        /** Seconds of a bare hand's digging over 1.5 where it harvests; -1 for never. */
        public final float hardness;
        public final String material;
        /** The tool that digs it fastest, as the table names it; NONE when any item does as well. */
        public final Tools.Kind tool;
        /** The pickaxe level its drops need, when its material needs a pickaxe. */
        public final int level;
        Halves halves = Halves.NONE;
        final List<Drop> drops;

        Block(int id, String name, float hardness, String material, Tools.Kind tool, int level, List<Drop> drops) {
            this.id = id;
            this.name = name;
            this.hardness = hardness;
            this.material = material;
            this.tool = tool;
            this.level = level;
            this.drops = drops;
        }

        public Halves halves() {
            return halves;
        }

        /** Never broken by a survival player: bedrock, portals, the command block, liquids. */
        public boolean unbreakable() {
            return hardness < 0 || material.equals("water") || material.equals("lava");
        }

        /** Broken at the first hit: no hardness. */
        public boolean instant() {
            return hardness == 0f;
        }

        /**
         * What breaking the block (with its metadata) gives, rolled with the random; empty
         * when nothing comes of it. Whether the tool harvests the block is the caller's to
         * check first.
         */
        public List<Stack> roll(int meta, boolean shearsInHand, Random random) {
            List<Stack> out = new ArrayList<Stack>();
            for (Drop d : drops) {
                if (d.shears == 1 && !shearsInHand || d.shears == -1 && shearsInHand) {
                    continue;
                }
                if (d.condMask != 0 && ((meta & d.condMask) < d.condLo || (meta & d.condMask) > d.condHi)) {
                    continue;
                }
                for (int r = 0; r < d.rolls; r++) {
                    for (Alternative a : d.alternatives) {
                        int num = a.byGrowth ? (meta & 7) + 1 : a.chanceNum;
                        if (num < a.chanceDen && random.nextInt(a.chanceDen) >= num) {
                            continue;
                        }
                        int count = a.countMask != 0 ? (meta & a.countMask) + a.countAdd
                                : a.min + (a.max > a.min ? random.nextInt(a.max - a.min + 1) : 0);
                        int data = a.dataMask != 0 ? ((meta & a.dataMask) >> a.dataShift) + a.data : a.data;
                        if (count > 0) {
                            add(out, a.self ? id : a.item, count, data);
                        }
                        break;
                    }
                }
            }
            return out;
        }

        /** Whether some drop of the block can ever come out: false for glass, ice, spawners... */
        public boolean dropsAnything() {
            return !drops.isEmpty();
        }
    }

    private static void add(List<Stack> out, int item, int count, int data) {
        for (int i = 0; i < out.size(); i++) {
            Stack s = out.get(i);
            if (s.item == item && s.data == data) {
                out.set(i, new Stack(item, s.count + count, data));
                return;
            }
        }
        out.add(new Stack(item, count, data));
    }

    private static final Block[] BLOCKS = new Block[256];
    private static final Block UNKNOWN = new Block(-1, "unknown", -1f, "air", Tools.Kind.NONE, 0,
            Collections.<Drop>emptyList());

    static {
        for (String line : TABLE.split("\n")) {
            Block b = parse(line);
            BLOCKS[b.id] = b;
        }
        for (String line : HALVES.split("\n")) {
            String[] f = line.split(" ");
            BLOCKS[Integer.parseInt(f[0])].halves = Halves.valueOf(f[1].toUpperCase(java.util.Locale.ROOT));
        }
    }

    private BlockTable() {
    }

    /** The row of a block id; ids 1.7 does not have are unbreakable and give nothing. */
    public static Block of(int id) {
        Block b = id >= 0 && id < BLOCKS.length ? BLOCKS[id] : null;
        return b == null ? UNKNOWN : b;
    }

    /** Parses one line of the table; a malformed line is a fault of the table and fails loudly. */
    static Block parse(String line) {
        int colon = line.indexOf(':');
        String[] head = line.substring(0, colon).trim().split("\\s+");
        if (head.length != 6) {
            throw new IllegalArgumentException("block row needs 6 fields: " + line);
        }
        List<Drop> drops = new ArrayList<Drop>();
        String rest = line.substring(colon + 1).trim();
        if (rest.length() > 0) {
            for (String token : rest.split("\\s+")) {
                drops.add(parseDrop(token));
            }
        }
        Tools.Kind tool;
        if (head[4].equals("-")) {
            tool = Tools.Kind.NONE;
        } else if (head[4].equals("pick")) {
            tool = Tools.Kind.PICKAXE;
        } else {
            tool = Tools.Kind.valueOf(head[4].toUpperCase(java.util.Locale.ROOT));
        }
        return new Block(Integer.parseInt(head[0]), head[1], Float.parseFloat(head[2]), head[3], tool,
                Integer.parseInt(head[5]), Collections.unmodifiableList(drops));
    }

    static Drop parseDrop(String token) {
        String[] parts = token.split("\\?");
        Drop d = new Drop();
        for (int i = 1; i < parts.length; i++) {
            String c = parts[i];
            if (c.equals("shears")) {
                d.shears = 1;
            } else if (c.equals("!shears")) {
                d.shears = -1;
            } else if (c.startsWith("m") && c.contains("=")) {
                d.condMask = Integer.parseInt(c.substring(1, c.indexOf('=')));
                int[] range = range(c.substring(c.indexOf('=') + 1));
                d.condLo = range[0];
                d.condHi = range[1];
            } else {
                throw new IllegalArgumentException("unknown drop condition " + c + " in " + token);
            }
        }
        String body = parts[0];
        int hash = body.indexOf('#');
        if (hash >= 0) {
            d.rolls = Integer.parseInt(body.substring(hash + 1));
            body = body.substring(0, hash);
        }
        for (String alt : body.split("\\|")) {
            d.alternatives.add(parseAlternative(alt, token));
        }
        return d;
    }

    private static Alternative parseAlternative(String s, String token) {
        Alternative a = new Alternative();
        int at = s.indexOf('@');
        if (at >= 0) {
            String chance = s.substring(at + 1);
            int slash = chance.indexOf('/');
            if (chance.startsWith("g/")) {
                a.byGrowth = true;
            } else {
                a.chanceNum = Integer.parseInt(chance.substring(0, slash));
            }
            a.chanceDen = Integer.parseInt(chance.substring(slash + 1));
            s = s.substring(0, at);
        }
        int star = s.indexOf('*');
        if (star >= 0) {
            String count = s.substring(star + 1);
            if (count.startsWith("m")) {
                int plus = count.indexOf('+');
                a.countMask = Integer.parseInt(count.substring(1, plus));
                a.countAdd = Integer.parseInt(count.substring(plus + 1));
            } else {
                int[] range = range(count);
                a.min = range[0];
                a.max = range[1];
            }
            s = s.substring(0, star);
        }
        int colon = s.indexOf(':');
        String item = colon >= 0 ? s.substring(0, colon) : s;
        if (item.equals("self")) {
            a.self = true;
        } else {
            a.item = Integer.parseInt(item);
        }
        if (colon >= 0) {
            String data = s.substring(colon + 1);
            if (data.startsWith("m")) {
                String m = data.substring(1);
                int plus = m.indexOf('+');
                if (plus >= 0) {
                    a.data = Integer.parseInt(m.substring(plus + 1));
                    m = m.substring(0, plus);
                }
                int shift = m.indexOf('>');
                if (shift >= 0) {
                    a.dataShift = Integer.parseInt(m.substring(shift + 1));
                    m = m.substring(0, shift);
                }
                a.dataMask = Integer.parseInt(m);
            } else {
                a.data = Integer.parseInt(data);
            }
        }
        if (a.min < 0 || a.max < a.min || a.chanceDen < 1) {
            throw new IllegalArgumentException("bad drop " + token);
        }
        return a;
    }

    private static int[] range(String s) {
        int dash = s.indexOf('-');
        if (dash < 0) {
            int v = Integer.parseInt(s);
            return new int[] {v, v};
        }
        return new int[] {Integer.parseInt(s.substring(0, dash)), Integer.parseInt(s.substring(dash + 1))};
    }
}
