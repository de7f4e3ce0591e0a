package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A head block: on the ground (data 1), or on a wall facing north, south, west or east (2 to 5). */
public class Skull extends MaterialData implements Directional {
    public Skull() {
        super(Material.SKULL);
    }

    @Deprecated
    public Skull(int type) {
        super(type);
    }

    public Skull(Material type) {
        super(type);
    }

    @Deprecated
    public Skull(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Skull(Material type, byte data) {
        super(type, data);
    }


    public Skull(BlockFace direction) {
        this();
        setFacingDirection(direction);
    }

    public void setFacingDirection(BlockFace face) {
        int d;
        switch (face) {
            case NORTH:
                d = 0x2;
                break;
            case SOUTH:
                d = 0x3;
                break;
            case WEST:
                d = 0x4;
                break;
            case EAST:
                d = 0x5;
                break;
            case SELF:
            default:
                d = 0x1;
        }
        setData((byte) d);
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
                return BlockFace.EAST;
            default:
                return BlockFace.SELF;
        }
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing();
    }

    @Override
    public Skull clone() {
        return (Skull) super.clone();
    }
}
