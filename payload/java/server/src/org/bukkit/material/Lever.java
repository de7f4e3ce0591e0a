package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A lever on a wall, the ground or a ceiling. */
public class Lever extends SimpleAttachableMaterialData implements Redstone {
    public Lever() {
        super(Material.LEVER);
    }

    @Deprecated
    public Lever(int type) {
        super(type);
    }

    public Lever(Material type) {
        super(type);
    }

    @Deprecated
    public Lever(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Lever(Material type, byte data) {
        super(type, data);
    }


    /** Bit 0x8 is set while it is pressed. */
    public boolean isPowered() {
        return (getData() & 0x8) == 0x8;
    }

    public void setPowered(boolean bool) {
        setData((byte) (bool ? getData() | 0x8 : getData() & ~0x8));
    }

    /** Data 1 to 4 on a wall (west, east, north, south), 5 and 6 on the ground, 0 and 7 on a ceiling. */
    public BlockFace getAttachedFace() {
        switch (getData() & 0x7) {
            case 0x1:
                return BlockFace.WEST;
            case 0x2:
                return BlockFace.EAST;
            case 0x3:
                return BlockFace.NORTH;
            case 0x4:
                return BlockFace.SOUTH;
            case 0x5:
            case 0x6:
                return BlockFace.DOWN;
            default:
                return BlockFace.UP;
        }
    }

    public void setFacingDirection(BlockFace face) {
        byte data = (byte) (getData() & 0x8);
        BlockFace attach = getAttachedFace();
        switch (face) {
            case EAST:
                data |= 0x1;
                break;
            case WEST:
                data |= 0x2;
                break;
            case SOUTH:
                data |= 0x3;
                break;
            case NORTH:
                data |= 0x4;
                break;
            case UP:
                // keeps the way a lever on the ground lies when it already lies there
                data |= attach == BlockFace.DOWN ? getData() & 0x7 : 0x5;
                break;
            case DOWN:
            default:
                data |= attach == BlockFace.UP ? getData() & 0x7 : 0x7;
                break;
        }
        setData(data);
    }

    @Override
    public String toString() {
        return super.toString() + " " + (isPowered() ? "" : "NOT ") + "POWERED";
    }

    @Override
    public Lever clone() {
        return (Lever) super.clone();
    }
}
