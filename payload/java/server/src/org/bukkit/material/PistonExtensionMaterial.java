package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** The head of a piston: the way it points, and sticky (0x8). */
public class PistonExtensionMaterial extends MaterialData implements Attachable {
    @Deprecated
    public PistonExtensionMaterial(int type) {
        super(type);
    }

    public PistonExtensionMaterial(Material type) {
        super(type);
    }

    @Deprecated
    public PistonExtensionMaterial(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public PistonExtensionMaterial(Material type, byte data) {
        super(type, data);
    }


    /** Data 0 to 5 (under bit 0x8): down, up, north, south, west, east. */
    public void setFacingDirection(BlockFace face) {
        int d;
        switch (face) {
            case UP:
                d = 1;
                break;
            case NORTH:
                d = 2;
                break;
            case SOUTH:
                d = 3;
                break;
            case WEST:
                d = 4;
                break;
            case EAST:
                d = 5;
                break;
            case DOWN:
            default:
                d = 0;
        }
        setData((byte) ((getData() & 0x8) | d));
    }

    public BlockFace getFacing() {
        switch (getData() & 0x7) {
            case 0:
                return BlockFace.DOWN;
            case 1:
                return BlockFace.UP;
            case 2:
                return BlockFace.NORTH;
            case 3:
                return BlockFace.SOUTH;
            case 4:
                return BlockFace.WEST;
            case 5:
                return BlockFace.EAST;
            default:
                return BlockFace.SELF;
        }
    }

    public boolean isSticky() {
        return (getData() & 0x8) == 0x8;
    }

    public void setSticky(boolean sticky) {
        setData((byte) (sticky ? getData() | 0x8 : getData() & ~0x8));
    }

    /** It is fixed to the piston behind it. */
    public BlockFace getAttachedFace() {
        return getFacing().getOppositeFace();
    }

    @Override
    public PistonExtensionMaterial clone() {
        return (PistonExtensionMaterial) super.clone();
    }
}
