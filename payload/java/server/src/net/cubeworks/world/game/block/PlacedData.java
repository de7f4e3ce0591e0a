package net.cubeworks.world.game.block;

import net.cubeworks.world.level.BlockIds;

/**
 * The data of a block of one piece placed by hand: which way it faces by the player's look (a
 * furnace toward him, stairs away, a piston up or down when he is close above or below it) or by
 * the face clicked (torches, ladders, vines and trapdoors hang on the block clicked, hay
 * lies along it), its upper half by where on the face the cursor was (stairs,
 * slabs, trapdoors), the variant the item's damage gives, and -1 where nothing holds it. Signs
 * stand turned to the player in sixteenths or hang on the wall clicked.
 */
final class PlacedData {
    /** The data of a block on a wall facing out of the face clicked (torches, levers, buttons): east, west, south, north. */
    static final int[] WALL_FACING = {-1, -1, 4, 3, 2, 1};
    /**
     * The kinds with placing rules of their own (pistons, hoppers, levers, rails, ...). Their
     * placing rules read only the block being placed, so this set answers as the world's own.
     */
    private static final BlockBehaviours KINDS = new BlockBehaviours();

    private PlacedData() {
    }

    /**
     * The data of a block of one piece at (x, y, z), placed against the face; -1 when nothing
     * holds it there. A kind with a rule of its own answers first (see
     * {@link BlockBehaviour#placedData}); the others follow the common rules here.
     */
    static int of(PlacingView w, int block, int damage, int x, int y, int z, int face, float hy, Placement.Placer placer) {
        int own = KINDS.of(block).placedData(new PlacedBlock(w, block, damage, x, y, z, face, hy, placer));
        if (own != BlockBehaviour.COMMON_PLACING) {
            return own;
        }
        int q = placer.quarter();
        int base = BlockRules.keepsData(block) ? damage & 15 : 0;
        if (PlacingIds.in(PlacingIds.STAIRS, block)) {
            boolean upsideDown = face == 0 || face != 1 && hy > 0.5f;
            return new int[] {2, 1, 3, 0}[q] | (upsideDown ? 4 : 0);
        }
        switch (block) {
            case BlockIds.FURNACE:
            case BlockIds.ENDER_CHEST:
                return toward(q);
            case BlockIds.PUMPKIN:
            case PlacingIds.JACK_O_LANTERN:
                return w.top(x, y - 1, z) ? (q + 2) & 3 : -1;
            case PlacingIds.END_PORTAL_FRAME:
                return (q + 2) & 3;
            case PlacingIds.ANVIL:
                return (q + 3) & 3 | (damage & 3) << 2;
            case BlockIds.FENCE_GATE:
                return Footing.solidMaterial(w.id(x, y - 1, z)) ? q : -1;
            case PlacingIds.HAY:
                return lying(0, face);
            case PlacingIds.QUARTZ_BLOCK:
                return (damage & 7) == 2 ? new int[] {2, 2, 4, 4, 3, 3}[face] : damage & 7;
            case PlacingIds.STONE_SLAB:
            case PlacingIds.WOODEN_SLAB:
                return damage & 7 | (face == 0 || face != 1 && hy > 0.5f ? 8 : 0);
            case BlockIds.TORCH:
            case BlockIds.REDSTONE_TORCH:
                return torch(w, x, y, z, face);
            case BlockIds.LADDER:
                return ladder(w, x, y, z, face);
            case PlacingIds.TRIPWIRE_HOOK:
                return face >= 2 && onWall(w, x, y, z, face) ? new int[] {-1, -1, 2, 0, 1, 3}[face] : -1;
            case BlockIds.TRAPDOOR:
                return trapdoor(w, x, y, z, face, hy);
            case BlockIds.VINE:
                return vine(w, x, y, z, face);
            default:
                break;
        }
        return Footing.stands(w, block, x, y, z) ? base : -1;
    }

    /** Whether the block clicked, behind the cell on the face's side, is a normal cube to hang on. */
    private static boolean onWall(PlacingView w, int x, int y, int z, int face) {
        return w.normal(x - Placement.STEP[face][0], y, z - Placement.STEP[face][2]);
    }

    /** A block that faces the player, by the quarter he looks toward (north, east, south, west data). */
    static int toward(int quarter) {
        return new int[] {2, 5, 3, 4}[quarter];
    }

    /** A log or a bale of hay of the variant lies along the face clicked: upright on a top or a bottom. */
    static int lying(int variant, int face) {
        return variant | (face < 2 ? 0 : face < 4 ? 8 : 4);
    }

    /**
     * A dispenser, dropper or piston faces the player: up or down when he is within two blocks
     * across and his eyes are more than two blocks above it, or below its bottom.
     */
    static int facingPlayer(int x, int y, int z, Placement.Placer p) {
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

    /** A torch on the wall it was placed against, or standing; where neither holds it, on another wall or the ground. */
    private static int torch(PlacingView w, int x, int y, int z, int face) {
        if (face == 1 && w.holdsTorch(x, y - 1, z)) {
            return 5;
        }
        if (face >= 2 && onWall(w, x, y, z, face)) {
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
    private static int ladder(PlacingView w, int x, int y, int z, int face) {
        int data = 0;
        int[][] sides = {{2, 0, 1}, {3, 0, -1}, {4, 1, 0}, {5, -1, 0}};
        for (int[] s : sides) {
            if ((data == 0 || face == s[0]) && w.normal(x + s[1], y, z + s[2])) {
                data = s[0];
            }
        }
        return data == 0 ? -1 : data;
    }

    /** A trapdoor hangs on the side of a block, in the upper half of the cell when the cursor was in the upper half. */
    private static int trapdoor(PlacingView w, int x, int y, int z, int face, float hy) {
        if (face < 2) {
            return -1;
        }
        int id = w.id(x - Placement.STEP[face][0], y, z - Placement.STEP[face][2]);
        boolean holds = Footing.opaqueCube(id) || id == PlacingIds.GLOWSTONE || id == PlacingIds.STONE_SLAB
                || id == PlacingIds.WOODEN_SLAB || PlacingIds.in(PlacingIds.STAIRS, id);
        return holds ? (face - 2) | (hy > 0.5f ? 8 : 0) : -1;
    }

    /** A vine on the face clicked (south, north, east, west bits), or on top under a solid block. */
    private static int vine(PlacingView w, int x, int y, int z, int face) {
        if (face == 0) {
            return -1;
        }
        if (face == 1) {
            return BlockRules.solid(w.id(x, y + 1, z)) ? 0 : -1;
        }
        return BlockRules.solid(w.id(x - Placement.STEP[face][0], y, z - Placement.STEP[face][2]))
                ? new int[] {0, 0, 1, 4, 8, 2}[face] : -1;
    }

    /**
     * A sign on the top of a solid block stands, turned to the player in sixteenths; on its
     * side it hangs on the wall. Not under a block, nor on anything that is not solid.
     */
    static Placement.Plan sign(PlacingView w, int x, int y, int z, int face, Placement.Placer p) {
        if (face == 0 || !Footing.solidMaterial(w.id(x, y, z))) {
            return null;
        }
        int tx = x + Placement.STEP[face][0];
        int ty = y + Placement.STEP[face][1];
        int tz = z + Placement.STEP[face][2];
        if (ty > 255 || !Placement.replaceable(w.id(tx, ty, tz))) {
            return null;
        }
        if (face == 1) {
            int direction = (int) Math.floor((p.yaw + 180f) * 16f / 360f + 0.5) & 15;
            return new Placement.Plan(new Placement.Cell(tx, ty, tz, BlockIds.STANDING_SIGN, direction), null, null);
        }
        return new Placement.Plan(new Placement.Cell(tx, ty, tz, BlockIds.WALL_SIGN, face), null, null);
    }
}
