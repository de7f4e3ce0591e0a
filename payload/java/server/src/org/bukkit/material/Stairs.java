package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** Stairs: the way they go up (data 0 to 3: east, west, south, north), and upside down (bit 0x4). */
public class Stairs extends MaterialData implements Directional {
    @Deprecated
    public Stairs(int type) {
        super(type);
    }

    public Stairs(Material type) {
        super(type);
    }

    @Deprecated
    public Stairs(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Stairs(Material type, byte data) {
        super(type, data);
    }


    public BlockFace getAscendingDirection() {
        switch (getData() & 0x3) {
            case 0x0:
                return BlockFace.EAST;
            case 0x1:
                return BlockFace.WEST;
            case 0x2:
                return BlockFace.SOUTH;
            default:
                return BlockFace.NORTH;
        }
    }

    public BlockFace getDescendingDirection() {
        return getAscendingDirection().getOppositeFace();
    }

    /** Faces the way they go down. */
    public void setFacingDirection(BlockFace face) {
        byte data;
        switch (face) {
            case NORTH:
                data = 0x2;
                break;
            case SOUTH:
                data = 0x3;
                break;
            case EAST:
                data = 0x1;
                break;
            case WEST:
            default:
                data = 0x0;
        }
        setData((byte) ((getData() & 0x4) | data));
    }

    public BlockFace getFacing() {
        return getDescendingDirection();
    }

    public boolean isInverted() {
        return (getData() & 0x4) != 0;
    }

    public void setInverted(boolean inv) {
        setData((byte) (inv ? getData() | 0x4 : getData() & ~0x4));
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing() + (isInverted() ? " inverted" : "");
    }

    @Override
    public Stairs clone() {
        return (Stairs) super.clone();
    }
}
