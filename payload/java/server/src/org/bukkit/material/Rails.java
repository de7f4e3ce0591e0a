package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A rail: straight north-south (0) or east-west (1), sloping up to the east, west, north, south (2 to 5), or curved (6 to 9: north-west, north-east, south-east, south-west). */
public class Rails extends MaterialData {
    public Rails() {
        super(Material.RAILS);
    }

    @Deprecated
    public Rails(int type) {
        super(type);
    }

    public Rails(Material type) {
        super(type);
    }

    @Deprecated
    public Rails(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Rails(Material type, byte data) {
        super(type, data);
    }


    public boolean isOnSlope() {
        int d = getConvertedData();
        return d >= 0x2 && d <= 0x5;
    }

    public boolean isCurve() {
        int d = getConvertedData();
        return d >= 0x6 && d <= 0x9;
    }

    /** The way the rail runs (its rising end on a slope; its corner on a curve). */
    public BlockFace getDirection() {
        switch (getConvertedData()) {
            case 0x0:
                return BlockFace.SOUTH;
            case 0x1:
                return BlockFace.EAST;
            case 0x2:
                return BlockFace.EAST;
            case 0x3:
                return BlockFace.WEST;
            case 0x4:
                return BlockFace.NORTH;
            case 0x5:
                return BlockFace.SOUTH;
            case 0x6:
                return BlockFace.NORTH_WEST;
            case 0x7:
                return BlockFace.NORTH_EAST;
            case 0x8:
                return BlockFace.SOUTH_EAST;
            case 0x9:
                return BlockFace.SOUTH_WEST;
            default:
                return BlockFace.SOUTH;
        }
    }

    /** Sets the way it runs; on a slope, rising towards face. */
    public void setDirection(BlockFace face, boolean isOnSlope) {
        int d;
        switch (face) {
            case EAST:
                d = isOnSlope ? 0x2 : 0x1;
                break;
            case WEST:
                d = isOnSlope ? 0x3 : 0x1;
                break;
            case NORTH:
                d = isOnSlope ? 0x4 : 0x0;
                break;
            case SOUTH:
                d = isOnSlope ? 0x5 : 0x0;
                break;
            case NORTH_WEST:
                d = 0x6;
                break;
            case NORTH_EAST:
                d = 0x7;
                break;
            case SOUTH_EAST:
                d = 0x8;
                break;
            case SOUTH_WEST:
                d = 0x9;
                break;
            default:
                d = 0x0;
        }
        setConvertedData((byte) d);
    }

    /** The data that says the way (a powered or detector rail keeps a flag above it). */
    @Deprecated
    protected byte getConvertedData() {
        return getData();
    }

    @Deprecated
    protected void setConvertedData(byte data) {
        setData(data);
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getDirection() + (isCurve() ? " on a curve" : isOnSlope() ? " on a slope" : "");
    }

    @Override
    public Rails clone() {
        return (Rails) super.clone();
    }
}
