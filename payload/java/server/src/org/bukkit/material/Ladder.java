package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A ladder on a wall. */
public class Ladder extends SimpleAttachableMaterialData {
    public Ladder() {
        super(Material.LADDER);
    }

    @Deprecated
    public Ladder(int type) {
        super(type);
    }

    public Ladder(Material type) {
        super(type);
    }

    @Deprecated
    public Ladder(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Ladder(Material type, byte data) {
        super(type, data);
    }


    /** Data 2 to 5: on the block to the south, north, east, west. */
    public BlockFace getAttachedFace() {
        switch (getData() & 0x7) {
            case 0x2:
                return BlockFace.SOUTH;
            case 0x3:
                return BlockFace.NORTH;
            case 0x4:
                return BlockFace.EAST;
            case 0x5:
                return BlockFace.WEST;
            default:
                return null;
        }
    }

    public void setFacingDirection(BlockFace face) {
        byte data;
        switch (face) {
            case SOUTH:
                data = 0x3;
                break;
            case WEST:
                data = 0x4;
                break;
            case EAST:
                data = 0x5;
                break;
            case NORTH:
            default:
                data = 0x2;
        }
        setData(data);
    }

    @Override
    public Ladder clone() {
        return (Ladder) super.clone();
    }
}
