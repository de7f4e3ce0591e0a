package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A piston: the way it pushes, and whether it is pushed out (0x8). */
public class PistonBaseMaterial extends MaterialData implements Directional, Redstone {
    @Deprecated
    public PistonBaseMaterial(int type) {
        super(type);
    }

    public PistonBaseMaterial(Material type) {
        super(type);
    }

    @Deprecated
    public PistonBaseMaterial(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public PistonBaseMaterial(Material type, byte data) {
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

    public boolean isPowered() {
        return (getData() & 0x8) == 0x8;
    }

    public void setPowered(boolean powered) {
        setData((byte) (powered ? getData() | 0x8 : getData() & ~0x8));
    }

    public boolean isSticky() {
        return getItemType() == Material.PISTON_STICKY_BASE;
    }

    @Override
    public PistonBaseMaterial clone() {
        return (PistonBaseMaterial) super.clone();
    }
}
