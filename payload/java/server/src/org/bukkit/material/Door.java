package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A door block: the bottom half keeps its facing (0 to 3: west, north, east, south) and whether it is open (0x4); the top half has bit 0x8. */
public class Door extends MaterialData implements Directional, Openable {
    public Door() {
        super(Material.WOODEN_DOOR);
    }

    @Deprecated
    public Door(int type) {
        super(type);
    }

    public Door(Material type) {
        super(type);
    }

    @Deprecated
    public Door(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Door(Material type, byte data) {
        super(type, data);
    }


    public boolean isOpen() {
        return (getData() & 0x4) == 0x4;
    }

    public void setOpen(boolean isOpen) {
        setData((byte) (isOpen ? getData() | 0x4 : getData() & ~0x4));
    }

    public boolean isTopHalf() {
        return (getData() & 0x8) == 0x8;
    }

    public void setTopHalf(boolean isTopHalf) {
        setData((byte) (isTopHalf ? getData() | 0x8 : getData() & ~0x8));
    }

    /** The corner the hinges are in, from the bottom half's facing. */
    public BlockFace getHingeCorner() {
        switch (getData() & 0x3) {
            case 0:
                return BlockFace.NORTH_WEST;
            case 1:
                return BlockFace.NORTH_EAST;
            case 2:
                return BlockFace.SOUTH_EAST;
            default:
                return BlockFace.SOUTH_WEST;
        }
    }

    public void setFacingDirection(BlockFace face) {
        int d;
        switch (face) {
            case NORTH:
                d = 1;
                break;
            case EAST:
                d = 2;
                break;
            case SOUTH:
                d = 3;
                break;
            case WEST:
            default:
                d = 0;
        }
        setData((byte) ((getData() & 0xC) | d));
    }

    public BlockFace getFacing() {
        switch (getData() & 0x3) {
            case 0:
                return BlockFace.WEST;
            case 1:
                return BlockFace.NORTH;
            case 2:
                return BlockFace.EAST;
            default:
                return BlockFace.SOUTH;
        }
    }

    @Override
    public String toString() {
        return (isTopHalf() ? "TOP" : "BOTTOM") + " half of " + super.toString();
    }

    @Override
    public Door clone() {
        return (Door) super.clone();
    }
}
