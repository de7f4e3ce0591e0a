package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A chest, furnace, dispenser or ender chest and the way its front faces. */
public class DirectionalContainer extends MaterialData implements Directional {
    @Deprecated
    public DirectionalContainer(int type) {
        super(type);
    }

    public DirectionalContainer(Material type) {
        super(type);
    }

    @Deprecated
    public DirectionalContainer(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public DirectionalContainer(Material type, byte data) {
        super(type, data);
    }


    /** Data 2 to 5: the front faces north, south, west, east. */
    public void setFacingDirection(BlockFace face) {
        byte data;
        switch (face) {
            case NORTH:
                data = 0x2;
                break;
            case SOUTH:
                data = 0x3;
                break;
            case WEST:
                data = 0x4;
                break;
            case EAST:
            default:
                data = 0x5;
        }
        setData(data);
    }

    public BlockFace getFacing() {
        switch (getData()) {
            case 0x2:
                return BlockFace.NORTH;
            case 0x3:
                return BlockFace.SOUTH;
            case 0x4:
                return BlockFace.WEST;
            case 0x5:
            default:
                return BlockFace.EAST;
        }
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing();
    }

    @Override
    public DirectionalContainer clone() {
        return (DirectionalContainer) super.clone();
    }
}
