package net.cubeworks.world.game.block;

/**
 * A block of one piece being placed by hand, as a kind's own placing rule reads it (see
 * {@link BlockBehaviour#placedData}): the block and the damage of the item that places it, its
 * cell, the face clicked (the block clicked is one step back through it), how high on that face
 * the cursor was, and the player.
 */
final class PlacedBlock {
    final PlacingView world;
    final int id;
    final int damage;
    final int x;
    final int y;
    final int z;
    final int face;
    final float cursorY;
    final Placement.Placer placer;

    PlacedBlock(PlacingView world, int id, int damage, int x, int y, int z, int face, float cursorY,
            Placement.Placer placer) {
        this.world = world;
        this.id = id;
        this.damage = damage;
        this.x = x;
        this.y = y;
        this.z = z;
        this.face = face;
        this.cursorY = cursorY;
        this.placer = placer;
    }

    /** The quarter the player looks toward: 0 south, 1 west, 2 north, 3 east. */
    int quarter() {
        return placer.quarter();
    }

    /** The data the item's damage gives, for the kinds whose variant it is; else 0. */
    int variant() {
        return BlockRules.keepsData(id) ? damage & 15 : 0;
    }

    /** The id of the block below the cell. */
    int below() {
        return world.id(x, y - 1, z);
    }

    /** The block below has a whole top to stand on. */
    boolean onSolidTop() {
        return world.top(x, y - 1, z);
    }

    /** The block clicked, on a side, is a normal cube to hang on. */
    boolean onWall() {
        return face >= 2 && world.normal(x - Placement.STEP[face][0], y, z - Placement.STEP[face][2]);
    }
}
