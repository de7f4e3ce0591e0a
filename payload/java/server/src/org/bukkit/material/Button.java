package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A stone or wooden button on a wall. */
public class Button extends SimpleAttachableMaterialData implements Redstone {
    public Button() {
        super(Material.STONE_BUTTON);
    }

    @Deprecated
    public Button(int type) {
        super(type);
    }

    public Button(Material type) {
        super(type);
    }

    @Deprecated
    public Button(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Button(Material type, byte data) {
        super(type, data);
    }


    /** Bit 0x8 is set while it is pressed. */
    public boolean isPowered() {
        return (getData() & 0x8) == 0x8;
    }

    public void setPowered(boolean bool) {
        setData((byte) (bool ? getData() | 0x8 : getData() & ~0x8));
    }

    /** Data 1 to 4 (under the pressed bit): on the block to the west, east, north, south. */
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
            default:
                return null;
        }
    }

    public void setFacingDirection(BlockFace face) {
        byte data = (byte) (getData() & 0x8);
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
            default:
                break;
        }
        setData(data);
    }

    @Override
    public String toString() {
        return super.toString() + " " + (isPowered() ? "" : "NOT ") + "POWERED";
    }

    @Override
    public Button clone() {
        return (Button) super.clone();
    }
}
