package org.bukkit.material;

import org.bukkit.block.BlockFace;

/**
 * The four horizontal facings as beds, pumpkins, fence gates and cocoa keep them in the two low
 * bits of their data: 0 south, 1 west, 2 north, 3 east.
 */
final class HorizontalFacing {
    private HorizontalFacing() {
    }

    static BlockFace of(int data) {
        switch (data & 0x3) {
            case 0:
                return BlockFace.SOUTH;
            case 1:
                return BlockFace.WEST;
            case 2:
                return BlockFace.NORTH;
            default:
                return BlockFace.EAST;
        }
    }

    /** The two bits of a facing; any face that is not west, north or east counts as south. */
    static int bits(BlockFace face) {
        switch (face) {
            case WEST:
                return 1;
            case NORTH:
                return 2;
            case EAST:
                return 3;
            case SOUTH:
            default:
                return 0;
        }
    }
}
