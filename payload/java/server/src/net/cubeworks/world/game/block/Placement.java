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
 * with it. The plan only reads the world; the caller sets the blocks. This class picks the cell
 * and the kind of plan; {@link PlacedData} gives one block's data, {@link PairedPlans} the
 * placements that join two blocks, and {@link Footing} what holds a block where it goes.
 *
 * <p>Faces are the protocol's: 0 below, 1 above, 2 north (-z), 3 south (+z), 4 west (-x), 5 east
 * (+x). Yaw is the game's: 0 looks south, 90 west, 180 north, 270 east.
 */
public final class Placement {
    /** The cell one step through each face. */
    static final int[][] STEP = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

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
            this.sign = block.id == BlockIds.STANDING_SIGN || block.id == BlockIds.WALL_SIGN;
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

    // the items that place a block of another id, and those blocks
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

    private Placement() {
    }

    /** The block id the item places; 0 when it places none. */
    public static int blockOf(int item) {
        switch (item) {
            case SIGN_ITEM:
                return BlockIds.STANDING_SIGN;
            case WOODEN_DOOR_ITEM:
                return BlockIds.WOODEN_DOOR;
            case IRON_DOOR_ITEM:
                return BlockIds.IRON_DOOR;
            case BED_ITEM:
                return BlockIds.BED;
            case REDSTONE_ITEM:
                return BlockIds.REDSTONE_WIRE;
            case REEDS_ITEM:
                return BlockIds.SUGAR_CANE;
            case CAKE_ITEM:
                return PlacingIds.CAKE;
            case REPEATER_ITEM:
                return BlockIds.REPEATER;
            case BREWING_STAND_ITEM:
                return BlockIds.BREWING_STAND;
            case CAULDRON_ITEM:
                return 118;
            case FLOWER_POT_ITEM:
                return PlacingIds.FLOWER_POT;
            case COMPARATOR_ITEM:
                return BlockIds.COMPARATOR;
            default:
                return BlockRules.placeable(item) ? item : 0;
        }
    }

    /** Whether a block may go where this one is, taking its place. */
    public static boolean replaceable(int id) {
        return id == BlockIds.AIR || BlockIds.isWater(id) || BlockIds.isLava(id) || id == BlockIds.TALL_GRASS
                || id == BlockIds.DEAD_BUSH || id == BlockIds.FIRE || id == BlockIds.SNOW_LAYER || id == BlockIds.VINE;
    }

    /** Whether a placed block has a box that must not take part of a player's. */
    public static boolean collides(int id) {
        switch (id) {
            case BlockIds.STANDING_SIGN:
            case BlockIds.WALL_SIGN:
            case BlockIds.STONE_PLATE:
            case BlockIds.WOODEN_PLATE:
            case BlockIds.GOLD_PLATE:
            case BlockIds.IRON_PLATE:
            case PlacingIds.CARPET:
            case BlockIds.SNOW_LAYER:
                return false;
            case BlockIds.LADDER: // thin, but a box of its own
                return true;
            default:
                break;
        }
        String m = BlockTable.of(id).material;
        return !(m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants") || m.equals("vine")
                || m.equals("circuits") || m.equals("fire") || m.equals("portal") || m.equals("web"));
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
        PlacingView w = new PlacingView(terrain);
        switch (item) {
            case SIGN_ITEM:
                return PlacedData.sign(w, x, y, z, face, placer);
            case WOODEN_DOOR_ITEM:
            case IRON_DOOR_ITEM:
                return PairedPlans.door(w, block, x, y, z, face, placer);
            case BED_ITEM:
                return PairedPlans.bed(w, x, y, z, face, placer);
            default:
                break;
        }
        if (block == PlacingIds.STONE_SLAB || block == PlacingIds.WOODEN_SLAB) {
            Plan doubled = PairedPlans.doubleSlab(w, block, damage & 7, x, y, z, face);
            if (doubled != null) {
                return doubled;
            }
        }
        // grass, vines and dead bushes are placed into; an empty snow layer too, as if on its top
        int clicked = w.id(x, y, z);
        if (block == BlockIds.SNOW_LAYER && clicked == BlockIds.SNOW_LAYER && (w.meta(x, y, z) & 7) < 7) {
            return new Plan(new Cell(x, y, z, BlockIds.SNOW_LAYER, w.meta(x, y, z) + 1), null, null); // a layer more
        }
        int tx = x;
        int ty = y;
        int tz = z;
        if (clicked == BlockIds.SNOW_LAYER && (w.meta(x, y, z) & 7) == 0) {
            face = 1;
        } else if (clicked != BlockIds.VINE && clicked != BlockIds.TALL_GRASS && clicked != BlockIds.DEAD_BUSH) {
            tx += STEP[face][0];
            ty += STEP[face][1];
            tz += STEP[face][2];
        }
        if (ty < 0 || ty > 255 || !replaceable(w.id(tx, ty, tz))) {
            return null;
        }
        if (ty == 255 && Footing.solidMaterial(block)) {
            return null; // the top layer of the world takes only torches, plants and the like
        }
        if (block == PlacingIds.DOUBLE_PLANT) {
            return PairedPlans.tallFlower(w, damage, tx, ty, tz);
        }
        if (block == BlockIds.CHEST || block == BlockIds.TRAPPED_CHEST) {
            return PairedPlans.chest(w, block, tx, ty, tz, placer.quarter());
        }
        int data = PlacedData.of(w, block, damage, tx, ty, tz, face, hy, placer);
        return data < 0 ? null : new Plan(new Cell(tx, ty, tz, block, data), null, null);
    }
}
