package net.cubeworks.world.game.block;

import net.cubeworks.world.level.BlockIds;

/**
 * The placements that join two blocks: a door, a bed and a tall flower put as two halves, planned
 * whole or not at all; a chest beside another turning both to face one way; a slab on a slab of
 * its kind making a double slab.
 */
final class PairedPlans {
    /** The step one block on, x and z, for each quarter or facing: south, west, north, east. */
    private static final int[] ON = {0, 1, -1, 0, 0, -1, 1, 0};

    private PairedPlans() {
    }

    private static Placement.Plan one(int x, int y, int z, int id, int data) {
        return new Placement.Plan(new Placement.Cell(x, y, z, id, data), null, null);
    }

    /** A slab on a slab of its kind (its top clicked on a lower one, or into the cell holding one) makes a double slab. */
    static Placement.Plan doubleSlab(PlacingView w, int slab, int variant, int x, int y, int z, int face) {
        int whole = slab == PlacingIds.STONE_SLAB ? PlacingIds.DOUBLE_STONE_SLAB : PlacingIds.DOUBLE_WOODEN_SLAB;
        int meta = w.meta(x, y, z);
        if (w.id(x, y, z) == slab && (meta & 7) == variant && (face == 1 && (meta & 8) == 0 || face == 0 && (meta & 8) != 0)) {
            return one(x, y, z, whole, variant);
        }
        int tx = x + Placement.STEP[face][0];
        int ty = y + Placement.STEP[face][1];
        int tz = z + Placement.STEP[face][2];
        if (ty >= 0 && ty <= 255 && w.id(tx, ty, tz) == slab && (w.meta(tx, ty, tz) & 7) == variant) {
            return one(tx, ty, tz, whole, variant);
        }
        return null;
    }

    /**
     * A door stands on the top of a block with a solid top, in two free cells: the lower half
     * facing the way the player looks, the upper one with its hinge on the side away from a
     * door beside it (so two make a double door), else away from the side with more solid blocks.
     */
    static Placement.Plan door(PlacingView w, int id, int x, int y, int z, int face, Placement.Placer p) {
        if (face != 1 || y + 2 > 255 || !w.top(x, y, z)) {
            return null;
        }
        int ly = y + 1;
        if (!Placement.replaceable(w.id(x, ly, z)) || !Placement.replaceable(w.id(x, ly + 1, z))) {
            return null;
        }
        int facing = (p.quarter() + 1) & 3;
        // the step along the door's width for its facing
        int ax = ON[facing * 2];
        int az = ON[facing * 2 + 1];
        int leftSolid = (w.normal(x - ax, ly, z - az) ? 1 : 0) + (w.normal(x - ax, ly + 1, z - az) ? 1 : 0);
        int rightSolid = (w.normal(x + ax, ly, z + az) ? 1 : 0) + (w.normal(x + ax, ly + 1, z + az) ? 1 : 0);
        boolean leftDoor = w.id(x - ax, ly, z - az) == id || w.id(x - ax, ly + 1, z - az) == id;
        boolean rightDoor = w.id(x + ax, ly, z + az) == id || w.id(x + ax, ly + 1, z + az) == id;
        boolean mirrored = leftDoor && !rightDoor || rightSolid > leftSolid;
        return new Placement.Plan(new Placement.Cell(x, ly, z, id, facing),
                new Placement.Cell(x, ly + 1, z, id, 8 | (mirrored ? 1 : 0)), null);
    }

    /** A bed's foot where the player placed it, its head one step on the way he looks: both in air over solid tops. */
    static Placement.Plan bed(PlacingView w, int x, int y, int z, int face, Placement.Placer p) {
        if (face != 1 || y + 1 > 255) {
            return null;
        }
        int q = p.quarter();
        int fy = y + 1;
        int hx = x + ON[q * 2];
        int hz = z + ON[q * 2 + 1];
        if (w.id(x, fy, z) != 0 || w.id(hx, fy, hz) != 0 || !w.top(x, y, z) || !w.top(hx, y, hz)) {
            return null;
        }
        return new Placement.Plan(new Placement.Cell(x, fy, z, BlockIds.BED, q),
                new Placement.Cell(hx, fy, hz, BlockIds.BED, q | 8), null);
    }

    /** A tall flower on grass or dirt, its top in the air above. */
    static Placement.Plan tallFlower(PlacingView w, int damage, int x, int y, int z) {
        int below = w.id(x, y - 1, z);
        if (y + 1 > 255 || w.id(x, y + 1, z) != 0
                || below != BlockIds.GRASS && below != BlockIds.DIRT && below != BlockIds.FARMLAND) {
            return null;
        }
        return new Placement.Plan(new Placement.Cell(x, y, z, PlacingIds.DOUBLE_PLANT, damage & 7),
                new Placement.Cell(x, y + 1, z, PlacingIds.DOUBLE_PLANT, 8), null);
    }

    /**
     * A chest faces the player; beside a chest of its kind the two make a double chest facing one
     * way: the player's, when it is across their length, else the other's (or, where it faced along
     * them, the side free of solid blocks). Never a third beside a pair, nor between two.
     */
    static Placement.Plan chest(PlacingView w, int id, int x, int y, int z, int quarter) {
        int facing = PlacedData.toward(quarter);
        int nx = 0;
        int nz = 0;
        int beside = 0;
        for (int f = 2; f < 6; f++) {
            int cx = x + Placement.STEP[f][0];
            int cz = z + Placement.STEP[f][2];
            if (w.id(cx, y, cz) != id) {
                continue;
            }
            beside++;
            nx = cx;
            nz = cz;
            for (int g = 2; g < 6; g++) {
                int ox = cx + Placement.STEP[g][0];
                int oz = cz + Placement.STEP[g][2];
                if ((ox != x || oz != z) && w.id(ox, y, oz) == id) {
                    return null; // that chest is already one half of a double chest
                }
            }
        }
        if (beside > 1) {
            return null;
        }
        if (beside == 0) {
            return one(x, y, z, id, facing);
        }
        boolean alongX = nx != x;
        // a pair along x faces north or south; along z, west or east
        int first = alongX ? 2 : 4;
        if (facing != first && facing != first + 1) {
            int other = w.meta(nx, y, nz);
            facing = other == first || other == first + 1 ? other : first + 1;
            int ox = alongX ? 0 : 1; // the step to either side of the pair
            int oz = alongX ? 1 : 0;
            boolean backBlocked = Footing.opaqueCube(w.id(x - ox, y, z - oz)) || Footing.opaqueCube(w.id(nx - ox, y, nz - oz));
            boolean frontBlocked = Footing.opaqueCube(w.id(x + ox, y, z + oz)) || Footing.opaqueCube(w.id(nx + ox, y, nz + oz));
            if (backBlocked && !frontBlocked) {
                facing = first + 1;
            } else if (frontBlocked && !backBlocked) {
                facing = first;
            }
        }
        Placement.Cell turned = w.meta(nx, y, nz) == facing ? null : new Placement.Cell(nx, y, nz, id, facing);
        return new Placement.Plan(new Placement.Cell(x, y, z, id, facing), null, turned);
    }
}
