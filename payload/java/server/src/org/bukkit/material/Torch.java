package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A torch on the ground or on a wall. */
public class Torch extends SimpleAttachableMaterialData {
    public Torch() {
        super(Material.TORCH);
    }

    @Deprecated
    public Torch(int type) {
        super(type);
    }

    public Torch(Material type) {
        super(type);
    }

    @Deprecated
    public Torch(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Torch(Material type, byte data) {
        super(type, data);
    }


    /** Data 1 to 4 hang it on the block to the west, east, north or south; 5 stands it on the ground. */
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
            default:
                return BlockFace.DOWN;
        }
    }

    public void setFacingDirection(BlockFace face) {
        byte data;
        switch (face) {
            case EAST:
                data = 0x1;
                break;
            case WEST:
                data = 0x2;
                break;
            case SOUTH:
                data = 0x3;
                break;
            case NORTH:
                data = 0x4;
                break;
            case UP:
            default:
                data = 0x5;
        }
        setData(data);
    }

    @Override
    public Torch clone() {
        return (Torch) super.clone();
    }
}
