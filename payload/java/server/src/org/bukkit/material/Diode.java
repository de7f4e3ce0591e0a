package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A redstone repeater: its delay (1 to 4 ticks) and the way it faces. */
public class Diode extends MaterialData implements Directional {
    public Diode() {
        super(Material.DIODE_BLOCK_OFF);
    }

    @Deprecated
    public Diode(int type) {
        super(type);
    }

    public Diode(Material type) {
        super(type);
    }

    @Deprecated
    public Diode(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Diode(Material type, byte data) {
        super(type, data);
    }


    /** Bits 0xC hold the delay less one. */
    public void setDelay(int delay) {
        int d = Math.max(1, Math.min(4, delay)) - 1;
        setData((byte) ((getData() & 0x3) | (d << 2)));
    }

    public int getDelay() {
        return (getData() >> 2 & 0x3) + 1;
    }

    /** Data 0 to 3: north, east, south, west. */
    public void setFacingDirection(BlockFace face) {
        int d;
        switch (face) {
            case EAST:
                d = 1;
                break;
            case SOUTH:
                d = 2;
                break;
            case WEST:
                d = 3;
                break;
            case NORTH:
            default:
                d = 0;
        }
        setData((byte) ((getData() & 0xC) | d));
    }

    public BlockFace getFacing() {
        switch (getData() & 0x3) {
            case 0:
                return BlockFace.NORTH;
            case 1:
                return BlockFace.EAST;
            case 2:
                return BlockFace.SOUTH;
            default:
                return BlockFace.WEST;
        }
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing() + " with " + getDelay() + " ticks delay";
    }

    @Override
    public Diode clone() {
        return (Diode) super.clone();
    }
}
