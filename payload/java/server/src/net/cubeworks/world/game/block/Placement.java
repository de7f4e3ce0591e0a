package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * Where and how a held item becomes a block when a player right-clicks a block's face, by the
 * rules of the 1.7 game: the cell it goes into (the clicked one itself for grass, vines, dead
 * bushes and an empty snow layer, else the one on the clicked face), whether that cell may take
 * it (only what is replaceable: air, liquids, grass, vines, fire, snow layers) and whether
 * something holds it there (a torch needs a wall or ground, a flower grass or dirt, a ladder a
 * solid side), and its data: facing from the player's look or from the face clicked, upside down
 * or top by where on the face the cursor was, a log's axis, a sign's direction. Two-block things
 * (doors, beds, tall flowers) are planned whole or not at all, and a chest beside another turns
 * with it. The plan only reads the world; the caller sets the blocks.
 *
 * <p>Faces are the protocol's: 0 below, 1 above, 2 north (-z), 3 south (+z), 4 west (-x), 5 east
 * (+x). Yaw is the game's: 0 looks south, 90 west, 180 north, 270 east.
 */
public final class Placement {
    /** The cell one step through each face. */
    private static final int[][] STEP = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};
    /** The face on the other side of each face. */
    private static final int[] OPPOSITE = {1, 0, 3, 2, 5, 4};

    /** What a block placed (or turned) is: its cell, id and data. */
    public static final class Cell {
        public final int x;
        public final int y;
        public final int z;
        public final int id;
        public final int data;

        Cell(int x, int y, int z, int id, int data) {
            this.x = x;
            this.y = y;
            this.z = z;
            this.id = id;
            this.data = data;
        }

        @Override
        public String toString() {
            return id + ":" + data + "@" + x + "," + y + "," + z;
        }
    }

    /** A placement the rules allow. */
    public static final class Plan {
        /** The block put where the player placed: the one the plugins are asked about. */
        public final Cell block;
        /** A door's upper half, a bed's head, a tall flower's top: put with it; null for one piece. */
        public final Cell second;
        /** A chest beside the new one turned to face the same way; null when none is. */
        public final Cell turned;
        /** The block is a sign: its text editor opens for the placer. */
        public final boolean sign;

        Plan(Cell block, Cell second, Cell turned) {
            this.block = block;
            this.second = second;
            this.turned = turned;
            this.sign = block.id == STANDING_SIGN || block.id == WALL_SIGN;
        }

        @Override
        public String toString() {
            return block + (second != null ? " + " + second : "") + (turned != null ? " turns " + turned : "");
        }
    }

    /** The player who places: where he looks and stands (feet). */
    public static final class Placer {
        final float yaw;
        final double x;
        final double y;
        final double z;

        public Placer(float yaw, double x, double y, double z) {
            this.yaw = yaw;
            this.x = x;
            this.y = y;
            this.z = z;
        }

        /** The quarter the player looks toward: 0 south, 1 west, 2 north, 3 east. */
        int quarter() {
            return (int) Math.floor(yaw * 4f / 360f + 0.5) & 3;
        }
    }

    // the ids the rules name, beyond BlockIds
    static final int SAPLING = 6;
    static final int SAND = 12;
    static final int LOG2 = 162;
    static final int LEAVES2 = 161;
    static final int DISPENSER = 23;
    static final int BED = 26;
    static final int STICKY_PISTON = 29;
    static final int TALL_GRASS = 31;
    static final int DEAD_BUSH = 32;
    static final int PISTON = 33;
    static final int DANDELION = 37;
    static final int FLOWER = 38;
    static final int BROWN_MUSHROOM = 39;
    static final int RED_MUSHROOM = 40;
    static final int DOUBLE_STONE_SLAB = 43;
    static final int STONE_SLAB = 44;
    static final int GLASS = 20;
    static final int TORCH = 50;
    static final int CHEST = 54;
    static final int FARMLAND = 60;
    static final int FURNACE = 61;
    static final int STANDING_SIGN = BlockIds.STANDING_SIGN;
    static final int WOODEN_DOOR = 64;
    static final int LADDER = BlockIds.LADDER;
    static final int RAIL = 66;
    static final int WALL_SIGN = BlockIds.WALL_SIGN;
    static final int LEVER = 69;
    static final int STONE_PLATE = 70;
    static final int IRON_DOOR = 71;
    static final int WOODEN_PLATE = 72;
    static final int REDSTONE_TORCH = 76;
    static final int STONE_BUTTON = 77;
    static final int SNOW_LAYER = 78;
    static final int CACTUS = 81;
    static final int FENCE = 85;
    static final int PUMPKIN = 86;
    static final int GLOWSTONE = 89;
    static final int JACK_O_LANTERN = 91;
    static final int TRAPDOOR = 96;
    static final int FENCE_GATE = 107;
    static final int MYCELIUM = 110;
    static final int LILY_PAD = 111;
    static final int NETHER_FENCE = 113;
    static final int END_PORTAL_FRAME = 120;
    static final int DOUBLE_WOODEN_SLAB = 125;
    static final int WOODEN_SLAB = 126;
    static final int ENDER_CHEST = 130;
    static final int TRIPWIRE_HOOK = 131;
    static final int COBBLESTONE_WALL = 139;
    static final int WOODEN_BUTTON = 143;
    static final int ANVIL = 145;
    static final int TRAPPED_CHEST = 146;
    static final int GOLD_PLATE = 147;
    static final int IRON_PLATE = 148;
    static final int REDSTONE_BLOCK = 152;
    static final int HOPPER = 154;
    static final int QUARTZ_BLOCK = 155;
    static final int STAINED_CLAY = 159;
    static final int DROPPER = 158;
    static final int HAY = 170;
    static final int CARPET = 171;
    static final int HARDENED_CLAY = 172;
    static final int DOUBLE_PLANT = 175;

    // the items that place a block of another id
    static final int SIGN_ITEM = 323;
    static final int WOODEN_DOOR_ITEM = 324;
    static final int IRON_DOOR_ITEM = 330;
    static final int BED_ITEM = 355;
    static final int REDSTONE_ITEM = 331;
    static final int REEDS_ITEM = 338;
    static final int CAKE_ITEM = 354;
    static final int REPEATER_ITEM = 356;
    static final int BREWING_STAND_ITEM = 379;
    static final int CAULDRON_ITEM = 380;
    static final int FLOWER_POT_ITEM = 390;
    static final int COMPARATOR_ITEM = 404;
    static final int REDSTONE_WIRE = 55;
    static final int REEDS = 83;
    static final int CAKE = 92;
    static final int REPEATER = 93;
    static final int FLOWER_POT = 140;
    static final int COMPARATOR = 149;

    private static final int[] STAIRS = {53, 67, 108, 109, 114, 128, 134, 135, 136, 156, 163, 164};
    private static final int[] RAILS = {27, 28, RAIL, 157};
    /** Whole cubes that let light through: nothing is hung on their sides. */
    private static final int[] SEE_THROUGH = {18, GLASS, 79, GLOWSTONE, 95, 138, LEAVES2};

    private Placement() {
    }

    private static boolean in(int[] ids, int id) {
        for (int i : ids) {
            if (i == id) {
                return true;
            }
        }
        return false;
    }

    /** The block id the item places; 0 when it places none. */
    public static int blockOf(int item) {
        switch (item) {
            case SIGN_ITEM:
                return STANDING_SIGN;
            case WOODEN_DOOR_ITEM:
                return WOODEN_DOOR;
            case IRON_DOOR_ITEM:
                return IRON_DOOR;
            case BED_ITEM:
                return BED;
            case REDSTONE_ITEM:
                return REDSTONE_WIRE;
            case REEDS_ITEM:
                return REEDS;
            case CAKE_ITEM:
                return CAKE;
            case REPEATER_ITEM:
                return REPEATER;
            case BREWING_STAND_ITEM:
                return 117;
            case CAULDRON_ITEM:
                return 118;
            case FLOWER_POT_ITEM:
                return FLOWER_POT;
            case COMPARATOR_ITEM:
                return COMPARATOR;
            default:
                return BlockRules.placeable(item) ? item : 0;
        }
    }

    /** Whether a block may go where this one is, taking its place. */
    public static boolean replaceable(int id) {
        return id == BlockIds.AIR || BlockIds.isWater(id) || BlockIds.isLava(id) || id == TALL_GRASS
                || id == DEAD_BUSH || id == BlockIds.FIRE || id == SNOW_LAYER || id == BlockIds.VINE;
    }

    /** Whether a placed block has a box that must not take part of a player's. */
    public static boolean collides(int id) {
        switch (id) {
            case STANDING_SIGN:
            case WALL_SIGN:
            case STONE_PLATE:
            case WOODEN_PLATE:
            case GOLD_PLATE:
            case IRON_PLATE:
            case CARPET:
            case SNOW_LAYER:
                return false;
            case LADDER: // thin, but a box of its own
                return true;
            default:
                break;
        }
        String m = BlockTable.of(id).material;
        return !(m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants") || m.equals("vine")
                || m.equals("circuits") || m.equals("fire") || m.equals("portal") || m.equals("web"));
    }

    /** A whole cube that light does not pass: what walls, torches on walls and ladders hang on. */
    static boolean opaqueCube(int id) {
        return BlockRules.solid(id) && !in(SEE_THROUGH, id);
    }

    /** An opaque whole cube that gives no power: what torches, levers, buttons and ladders hang on. */
    static boolean normalCube(int id) {
        return opaqueCube(id) && id != REDSTONE_BLOCK;
    }

    /** Whether the block's top is a whole face to stand things on. */
    static boolean solidTop(int id, int meta) {
        if (opaqueCube(id) || id == HOPPER) {
            return true;
        }
        if (in(STAIRS, id)) {
            return (meta & 4) != 0;
        }
        if (id == STONE_SLAB || id == WOODEN_SLAB) {
            return (meta & 8) != 0;
        }
        return id == SNOW_LAYER && (meta & 7) == 7;
    }

    /** A block whose material is solid: not air, liquid, plant, fire, portal or a thin block of circuits. */
    static boolean solidMaterial(int id) {
        String m = BlockTable.of(id).material;
        return !(m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants") || m.equals("vine")
                || m.equals("circuits") || m.equals("fire") || m.equals("portal")) && id != SNOW_LAYER;
    }

    /** The world as a placement reads it: outside heights 0 to 255 is air. */
    private static final class Look {
        final Terrain t;

        Look(Terrain t) {
            this.t = t;
        }

        int id(int x, int y, int z) {
            return y < 0 || y > 255 ? 0 : t.blockAt(x, y, z);
        }

        int meta(int x, int y, int z) {
            return y < 0 || y > 255 ? 0 : t.metaAt(x, y, z);
        }

        boolean normal(int x, int y, int z) {
            return normalCube(id(x, y, z));
        }

        boolean top(int x, int y, int z) {
            return solidTop(id(x, y, z), meta(x, y, z));
        }

        /** What a torch stands on: a solid top, a fence, glass or a wall. */
        boolean holdsTorch(int x, int y, int z) {
            int id = id(x, y, z);
            return top(x, y, z) || id == FENCE || id == NETHER_FENCE || id == GLASS || id == COBBLESTONE_WALL;
        }
    }

    /**
     * The placement of the item (with its damage) by a right click on the face of the block at
     * (x, y, z) with the cursor at (hx, hy, hz) on it; null when the game would place nothing
     * there.
     */
    public static Plan plan(Terrain terrain, int item, int damage, int x, int y, int z, int face, float hx, float hy,
            float hz, Placer placer) {
        int block = blockOf(item);
        if (block == 0 || face < 0 || face > 5) {
            return null;
        }
        Look w = new Look(terrain);
        switch (item) {
            case SIGN_ITEM:
                return sign(w, x, y, z, face, placer);
            case WOODEN_DOOR_ITEM:
            case IRON_DOOR_ITEM:
                return door(w, block, x, y, z, face, placer);
            case BED_ITEM:
                return bed(w, x, y, z, face, placer);
            default:
                break;
        }
        if (block == STONE_SLAB || block == WOODEN_SLAB) {
            Plan doubled = doubleSlab(w, block, damage & 7, x, y, z, face);
            if (doubled != null) {
                return doubled;
            }
        }
        // grass, vines and dead bushes are placed into; an empty snow layer too, as if on its top
        int clicked = w.id(x, y, z);
        if (block == SNOW_LAYER && clicked == SNOW_LAYER && (w.meta(x, y, z) & 7) < 7) {
            return new Plan(new Cell(x, y, z, SNOW_LAYER, w.meta(x, y, z) + 1), null, null); // a layer more
        }
        int tx = x;
        int ty = y;
        int tz = z;
        if (clicked == SNOW_LAYER && (w.meta(x, y, z) & 7) == 0) {
            face = 1;
        } else if (clicked != BlockIds.VINE && clicked != TALL_GRASS && clicked != DEAD_BUSH) {
            tx += STEP[face][0];
            ty += STEP[face][1];
            tz += STEP[face][2];
        }
        if (ty < 0 || ty > 255 || !replaceable(w.id(tx, ty, tz))) {
            return null;
        }
        if (ty == 255 && solidMaterial(block)) {
            return null; // the top layer of the world takes only torches, plants and the like
        }
        if (block == DOUBLE_PLANT) {
            return tallFlower(w, damage, tx, ty, tz);
        }
        if (block == CHEST || block == TRAPPED_CHEST) {
            return chest(w, block, tx, ty, tz, placer.quarter());
        }
        int data = data(w, block, damage, tx, ty, tz, face, hy, placer);
        return data < 0 ? null : new Plan(new Cell(tx, ty, tz, block, data), null, null);
    }

    /**
     * The data of a block of one piece at (x, y, z), placed against the face; -1 when nothing
     * holds it there.
     */
    private static int data(Look w, int block, int damage, int x, int y, int z, int face, float hy, Placer placer) {
        int q = placer.quarter();
        int base = BlockRules.keepsData(block) ? damage & 15 : 0;
        if (in(STAIRS, block)) {
            boolean upsideDown = face == 0 || face != 1 && hy > 0.5f;
            return new int[] {2, 1, 3, 0}[q] | (upsideDown ? 4 : 0);
        }
        if (in(RAILS, block)) {
            return w.top(x, y - 1, z) ? 0 : -1;
        }
        switch (block) {
            case FURNACE:
            case ENDER_CHEST:
                return toward(q);
            case DISPENSER:
            case DROPPER:
            case PISTON:
            case STICKY_PISTON:
                return pistonFacing(x, y, z, placer);
            case PUMPKIN:
            case JACK_O_LANTERN:
                return w.top(x, y - 1, z) ? (q + 2) & 3 : -1;
            case END_PORTAL_FRAME:
                return (q + 2) & 3;
            case REPEATER:
            case COMPARATOR:
                return w.top(x, y - 1, z) ? (q + 2) & 3 : -1;
            case ANVIL:
                return (q + 3) & 3 | (damage & 3) << 2;
            case FENCE_GATE:
                return solidMaterial(w.id(x, y - 1, z)) ? q : -1;
            case HOPPER:
                return face < 2 ? 0 : OPPOSITE[face]; // toward the block clicked, never up
            case BlockIds.LOG:
            case LOG2:
            case HAY:
                return (block == HAY ? 0 : damage & 3) | (face < 2 ? 0 : face < 4 ? 8 : 4);
            case QUARTZ_BLOCK:
                return (damage & 7) == 2 ? new int[] {2, 2, 4, 4, 3, 3}[face] : damage & 7;
            case STONE_SLAB:
            case WOODEN_SLAB:
                return damage & 7 | (face == 0 || face != 1 && hy > 0.5f ? 8 : 0);
            case BlockIds.LEAVES:
            case LEAVES2:
                return damage & 3 | 4; // a player's leaves never decay
            case TORCH:
            case REDSTONE_TORCH:
                return torch(w, x, y, z, face);
            case LADDER:
                return ladder(w, x, y, z, face);
            case LEVER:
                return lever(w, x, y, z, face, q);
            case STONE_BUTTON:
            case WOODEN_BUTTON:
                return face >= 2 && w.normal(x - STEP[face][0], y, z - STEP[face][2]) ? WALL_FACING[face] : -1;
            case TRIPWIRE_HOOK:
                return face >= 2 && w.normal(x - STEP[face][0], y, z - STEP[face][2])
                        ? new int[] {-1, -1, 2, 0, 1, 3}[face] : -1;
            case TRAPDOOR:
                return trapdoor(w, x, y, z, face, hy);
            case BlockIds.VINE:
                return vine(w, x, y, z, face);
            default:
                break;
        }
        return stands(w, block, x, y, z) ? base : -1;
    }

    /** The data of a block on a wall facing out of the face clicked (torches, levers, buttons): east, west, south, north. */
    private static final int[] WALL_FACING = {-1, -1, 4, 3, 2, 1};

    /** A block that faces the player, by the quarter he looks toward (north, east, south, west data). */
    private static int toward(int quarter) {
        return new int[] {2, 5, 3, 4}[quarter];
    }

    /**
     * A dispenser, dropper or piston faces the player: up or down when he is within two blocks
     * across and his eyes are more than two blocks above it, or below its bottom.
     */
    private static int pistonFacing(int x, int y, int z, Placer p) {
        if (Math.abs((float) p.x - x) < 2f && Math.abs((float) p.z - z) < 2f) {
            double eyes = p.y + 1.82;
            if (eyes - y > 2) {
                return 1;
            }
            if (y - eyes > 0) {
                return 0;
            }
        }
        return toward(p.quarter());
    }

    /** Whether the blocks that stand on the one below (plants, plates, carpets, snow) have what they need. */
    private static boolean stands(Look w, int block, int x, int y, int z) {
        int below = w.id(x, y - 1, z);
        switch (block) {
            case SAPLING:
            case TALL_GRASS:
            case DANDELION:
            case FLOWER:
                return below == BlockIds.GRASS || below == BlockIds.DIRT || below == FARMLAND;
            case DEAD_BUSH:
                return below == SAND || below == HARDENED_CLAY || below == STAINED_CLAY || below == BlockIds.DIRT;
            case BROWN_MUSHROOM:
            case RED_MUSHROOM:
                return below == MYCELIUM || opaqueCube(below);
            case CACTUS:
                for (int f = 2; f < 6; f++) {
                    if (solidMaterial(w.id(x + STEP[f][0], y, z + STEP[f][2]))) {
                        return false;
                    }
                }
                return below == CACTUS || below == SAND;
            case LILY_PAD:
                return below == BlockIds.STILL_WATER && w.meta(x, y - 1, z) == 0;
            case STONE_PLATE:
            case WOODEN_PLATE:
            case GOLD_PLATE:
            case IRON_PLATE:
                return w.top(x, y - 1, z) || below == FENCE || below == NETHER_FENCE;
            case CARPET:
                return below != 0;
            case REDSTONE_WIRE:
                return w.top(x, y - 1, z) || below == GLOWSTONE;
            case FLOWER_POT:
                return w.top(x, y - 1, z);
            case CAKE:
                return solidMaterial(below);
            case REEDS:
                if (below == REEDS) {
                    return true;
                }
                if (below != BlockIds.GRASS && below != BlockIds.DIRT && below != SAND) {
                    return false;
                }
                for (int f = 2; f < 6; f++) {
                    if (BlockIds.isWater(w.id(x + STEP[f][0], y - 1, z + STEP[f][2]))) {
                        return true; // sugar cane grows by water
                    }
                }
                return false;
            case SNOW_LAYER:
                return below != BlockIds.ICE && below != 174 && (below == BlockIds.LEAVES || below == LEAVES2
                        || opaqueCube(below) || below == SNOW_LAYER && (w.meta(x, y - 1, z) & 7) == 7);
            default:
                return true;
        }
    }

    /** A torch on the wall it was placed against, or standing; where neither holds it, on another wall or the ground. */
    private static int torch(Look w, int x, int y, int z, int face) {
        if (face == 1 && w.holdsTorch(x, y - 1, z)) {
            return 5;
        }
        if (face >= 2 && w.normal(x - STEP[face][0], y, z - STEP[face][2])) {
            return WALL_FACING[face];
        }
        // clicked below a block or on a side that holds nothing: the first wall or ground that holds it
        if (w.normal(x - 1, y, z)) {
            return 1;
        }
        if (w.normal(x + 1, y, z)) {
            return 2;
        }
        if (w.normal(x, y, z - 1)) {
            return 3;
        }
        if (w.normal(x, y, z + 1)) {
            return 4;
        }
        return w.holdsTorch(x, y - 1, z) ? 5 : -1;
    }

    /** A ladder on the side clicked; clicked otherwise, on the first solid side (south, north, east, west). */
    private static int ladder(Look w, int x, int y, int z, int face) {
        int data = 0;
        int[][] sides = {{2, 0, 1}, {3, 0, -1}, {4, 1, 0}, {5, -1, 0}};
        for (int[] s : sides) {
            if ((data == 0 || face == s[0]) && w.normal(x + s[1], y, z + s[2])) {
                data = s[0];
            }
        }
        return data == 0 ? -1 : data;
    }

    /** A lever on the face clicked; on the ground or the ceiling it points along the player's look. */
    private static int lever(Look w, int x, int y, int z, int face, int quarter) {
        boolean northSouth = (quarter & 1) == 0;
        if (face == 0) {
            return w.normal(x, y + 1, z) ? (northSouth ? 7 : 0) : -1;
        }
        if (face == 1) {
            return w.top(x, y - 1, z) ? (northSouth ? 5 : 6) : -1;
        }
        return w.normal(x - STEP[face][0], y, z - STEP[face][2]) ? WALL_FACING[face] : -1;
    }

    /** A trapdoor hangs on the side of a block, in the upper half of the cell when the cursor was in the upper half. */
    private static int trapdoor(Look w, int x, int y, int z, int face, float hy) {
        if (face < 2) {
            return -1;
        }
        int bx = x - STEP[face][0];
        int bz = z - STEP[face][2];
        int id = w.id(bx, y, bz);
        boolean holds = opaqueCube(id) || id == GLOWSTONE || id == STONE_SLAB || id == WOODEN_SLAB || in(STAIRS, id);
        return holds ? (face - 2) | (hy > 0.5f ? 8 : 0) : -1;
    }

    /** A vine on the face clicked (south, north, east, west bits), or on top under a solid block. */
    private static int vine(Look w, int x, int y, int z, int face) {
        if (face == 0) {
            return -1;
        }
        if (face == 1) {
            return BlockRules.solid(w.id(x, y + 1, z)) ? 0 : -1;
        }
        return BlockRules.solid(w.id(x - STEP[face][0], y, z - STEP[face][2])) ? new int[] {0, 0, 1, 4, 8, 2}[face] : -1;
    }

    /** A slab on a slab of its kind (its top clicked on a lower one, or into the cell holding one) makes a double slab. */
    private static Plan doubleSlab(Look w, int slab, int variant, int x, int y, int z, int face) {
        int whole = slab == STONE_SLAB ? DOUBLE_STONE_SLAB : DOUBLE_WOODEN_SLAB;
        int meta = w.meta(x, y, z);
        if (w.id(x, y, z) == slab && (meta & 7) == variant && (face == 1 && (meta & 8) == 0 || face == 0 && (meta & 8) != 0)) {
            return new Plan(new Cell(x, y, z, whole, variant), null, null);
        }
        int tx = x + STEP[face][0];
        int ty = y + STEP[face][1];
        int tz = z + STEP[face][2];
        if (ty >= 0 && ty <= 255 && w.id(tx, ty, tz) == slab && (w.meta(tx, ty, tz) & 7) == variant) {
            return new Plan(new Cell(tx, ty, tz, whole, variant), null, null);
        }
        return null;
    }

    /**
     * A sign on the top of a solid block stands, turned to the player in sixteenths; on its
     * side it hangs on the wall. Not under a block, nor on anything that is not solid.
     */
    private static Plan sign(Look w, int x, int y, int z, int face, Placer p) {
        if (face == 0 || !solidMaterial(w.id(x, y, z))) {
            return null;
        }
        int tx = x + STEP[face][0];
        int ty = y + STEP[face][1];
        int tz = z + STEP[face][2];
        if (ty > 255 || !replaceable(w.id(tx, ty, tz))) {
            return null;
        }
        if (face == 1) {
            int direction = (int) Math.floor((p.yaw + 180f) * 16f / 360f + 0.5) & 15;
            return new Plan(new Cell(tx, ty, tz, STANDING_SIGN, direction), null, null);
        }
        return new Plan(new Cell(tx, ty, tz, WALL_SIGN, face), null, null);
    }

    /**
     * A door stands on the top of a block with a solid top, in two free cells: the lower half
     * facing the way the player looks, the upper one with its hinge on the side away from a
     * door beside it (so two make a double door), else away from the side with more solid blocks.
     */
    private static Plan door(Look w, int id, int x, int y, int z, int face, Placer p) {
        if (face != 1 || y + 2 > 255 || !w.top(x, y, z)) {
            return null;
        }
        int ly = y + 1;
        if (!replaceable(w.id(x, ly, z)) || !replaceable(w.id(x, ly + 1, z))) {
            return null;
        }
        int facing = (p.quarter() + 1) & 3;
        int[] along = {0, 1, -1, 0, 0, -1, 1, 0}; // the step along the door's width for each facing, x and z
        int ax = along[facing * 2];
        int az = along[facing * 2 + 1];
        int leftSolid = (w.normal(x - ax, ly, z - az) ? 1 : 0) + (w.normal(x - ax, ly + 1, z - az) ? 1 : 0);
        int rightSolid = (w.normal(x + ax, ly, z + az) ? 1 : 0) + (w.normal(x + ax, ly + 1, z + az) ? 1 : 0);
        boolean leftDoor = w.id(x - ax, ly, z - az) == id || w.id(x - ax, ly + 1, z - az) == id;
        boolean rightDoor = w.id(x + ax, ly, z + az) == id || w.id(x + ax, ly + 1, z + az) == id;
        boolean mirrored = leftDoor && !rightDoor || rightSolid > leftSolid;
        return new Plan(new Cell(x, ly, z, id, facing), new Cell(x, ly + 1, z, id, 8 | (mirrored ? 1 : 0)), null);
    }

    /** A bed's foot where the player placed it, its head one step on the way he looks: both in air over solid tops. */
    private static Plan bed(Look w, int x, int y, int z, int face, Placer p) {
        if (face != 1 || y + 1 > 255) {
            return null;
        }
        int q = p.quarter();
        int[] step = {0, 1, -1, 0, 0, -1, 1, 0};
        int fy = y + 1;
        int hx = x + step[q * 2];
        int hz = z + step[q * 2 + 1];
        if (w.id(x, fy, z) != 0 || w.id(hx, fy, hz) != 0 || !w.top(x, y, z) || !w.top(hx, y, hz)) {
            return null;
        }
        return new Plan(new Cell(x, fy, z, BED, q), new Cell(hx, fy, hz, BED, q | 8), null);
    }

    /** A tall flower on grass or dirt, its top in the air above. */
    private static Plan tallFlower(Look w, int damage, int x, int y, int z) {
        int below = w.id(x, y - 1, z);
        if (y + 1 > 255 || w.id(x, y + 1, z) != 0
                || below != BlockIds.GRASS && below != BlockIds.DIRT && below != FARMLAND) {
            return null;
        }
        return new Plan(new Cell(x, y, z, DOUBLE_PLANT, damage & 7), new Cell(x, y + 1, z, DOUBLE_PLANT, 8), null);
    }

    /**
     * A chest faces the player; beside a chest of its kind the two make a double chest facing one
     * way: the player's, when it is across their length, else the other's (or, where it faced along
     * them, the side free of solid blocks). Never a third beside a pair, nor between two.
     */
    private static Plan chest(Look w, int id, int x, int y, int z, int quarter) {
        int facing = toward(quarter);
        int nx = 0;
        int nz = 0;
        int beside = 0;
        for (int f = 2; f < 6; f++) {
            int cx = x + STEP[f][0];
            int cz = z + STEP[f][2];
            if (w.id(cx, y, cz) != id) {
                continue;
            }
            beside++;
            nx = cx;
            nz = cz;
            for (int g = 2; g < 6; g++) {
                int ox = cx + STEP[g][0];
                int oz = cz + STEP[g][2];
                if ((ox != x || oz != z) && w.id(ox, y, oz) == id) {
                    return null; // that chest is already one half of a double chest
                }
            }
        }
        if (beside > 1) {
            return null;
        }
        if (beside == 0) {
            return new Plan(new Cell(x, y, z, id, facing), null, null);
        }
        boolean alongX = nx != x;
        // a pair along x faces north or south; along z, west or east
        int first = alongX ? 2 : 4;
        if (facing != first && facing != first + 1) {
            int other = w.meta(nx, y, nz);
            facing = other == first || other == first + 1 ? other : first + 1;
            int ox = alongX ? 0 : 1; // the step to either side of the pair
            int oz = alongX ? 1 : 0;
            boolean backBlocked = opaqueCube(w.id(x - ox, y, z - oz)) || opaqueCube(w.id(nx - ox, y, nz - oz));
            boolean frontBlocked = opaqueCube(w.id(x + ox, y, z + oz)) || opaqueCube(w.id(nx + ox, y, nz + oz));
            if (backBlocked && !frontBlocked) {
                facing = first + 1;
            } else if (frontBlocked && !backBlocked) {
                facing = first;
            }
        }
        Cell turned = w.meta(nx, y, nz) == facing ? null : new Cell(nx, y, nz, id, facing);
        return new Plan(new Cell(x, y, z, id, facing), null, turned);
    }
}
