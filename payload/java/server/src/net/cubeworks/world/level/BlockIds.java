package net.cubeworks.world.level;

/**
 * The block ids the server's rules name, each named once here (the game's own numbering of 1.7);
 * what each id is, how hard, how it drops, is in {@link BlockTable}.
 */
public final class BlockIds {
    public static final int AIR = 0;
    public static final int STONE = 1;
    public static final int GRASS = 2;
    public static final int DIRT = 3;
    public static final int COBBLESTONE = 4;
    public static final int BEDROCK = 7;
    public static final int WATER = 8;
    public static final int STILL_WATER = 9;
    public static final int LAVA = 10;
    public static final int STILL_LAVA = 11;
    public static final int SAPLING = 6;
    public static final int SAND = 12;
    public static final int GRAVEL = 13;
    public static final int LOG = 17;
    public static final int TALL_GRASS = 31;
    public static final int DEAD_BUSH = 32;
    public static final int LEAVES = 18;
    public static final int DANDELION = 37;
    public static final int POPPY = 38;
    public static final int TNT = 46;
    public static final int OBSIDIAN = 49;
    public static final int WHEAT = 59;
    public static final int FARMLAND = 60;
    public static final int CACTUS = 81;
    public static final int PUMPKIN = 86;
    public static final int MELON = 103;
    public static final int PUMPKIN_STEM = 104;
    public static final int MELON_STEM = 105;
    public static final int CARROTS = 141;
    public static final int POTATOES = 142;
    public static final int LEAVES_2 = 161;
    public static final int LOG_2 = 162;
    public static final int FIRE = 51;
    public static final int CRAFTING_TABLE = 58;
    public static final int CHEST = 54;
    public static final int FURNACE = 61;
    public static final int LIT_FURNACE = 62;
    public static final int DISPENSER = 23;
    public static final int DROPPER = 158;
    public static final int HOPPER = 154;
    public static final int BREWING_STAND = 117;
    public static final int ENDER_CHEST = 130;
    public static final int JUKEBOX = 84;
    public static final int TRAPPED_CHEST = 146;
    public static final int ICE = 79;
    public static final int PACKED_ICE = 174;
    public static final int REDSTONE_WIRE = 55;
    public static final int STANDING_SIGN = 63;
    public static final int LEVER = 69;
    public static final int STONE_PLATE = 70;
    public static final int WOODEN_PLATE = 72;
    public static final int GOLD_PLATE = 147;
    public static final int IRON_PLATE = 148;
    public static final int UNLIT_REDSTONE_TORCH = 75;
    public static final int REDSTONE_TORCH = 76;
    public static final int STONE_BUTTON = 77;
    public static final int REPEATER = 93;
    public static final int POWERED_REPEATER = 94;
    public static final int REDSTONE_LAMP = 123;
    public static final int LIT_REDSTONE_LAMP = 124;
    public static final int WOODEN_BUTTON = 143;
    public static final int LADDER = 65;
    public static final int WOODEN_DOOR = 64;
    public static final int WALL_SIGN = 68;
    public static final int IRON_DOOR = 71;
    public static final int SUGAR_CANE = 83;
    public static final int SNOW_LAYER = 78;
    public static final int TRAPDOOR = 96;
    public static final int VINE = 106;
    public static final int FENCE_GATE = 107;
    public static final int STICKY_PISTON = 29;
    public static final int PISTON = 33;
    public static final int PISTON_HEAD = 34;
    public static final int PISTON_MOVING = 36;
    public static final int BED = 26;
    public static final int COMPARATOR = 149;
    public static final int POWERED_COMPARATOR = 150;
    public static final int REDSTONE_BLOCK = 152;
    public static final int TORCH = 50;
    public static final int RAIL = 66;
    public static final int GOLDEN_RAIL = 27;
    public static final int DETECTOR_RAIL = 28;
    public static final int ACTIVATOR_RAIL = 157;
    public static final int NOTE_BLOCK = 25;
    public static final int DAYLIGHT_SENSOR = 151;

    private BlockIds() {
    }

    public static boolean isWater(int id) {
        return id == WATER || id == STILL_WATER;
    }

    public static boolean isLava(int id) {
        return id == LAVA || id == STILL_LAVA;
    }
}
