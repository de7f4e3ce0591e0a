package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A trap door: the wall it hinges on, open or shut, at the top or the bottom of its block. */
public class TrapDoor extends SimpleAttachableMaterialData implements Openable {
    public TrapDoor() {
        super(Material.TRAP_DOOR);
    }

    @Deprecated
    public TrapDoor(int type) {
        super(type);
    }

    public TrapDoor(Material type) {
        super(type);
    }

    @Deprecated
    public TrapDoor(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public TrapDoor(Material type, byte data) {
        super(type, data);
    }


    public boolean isOpen() {
        return (getData() & 0x4) == 0x4;
    }

    public void setOpen(boolean isOpen) {
        setData((byte) (isOpen ? getData() | 0x4 : getData() & ~0x4));
    }

    /** In the top half of its block (bit 0x8). */
    public boolean isInverted() {
        return (getData() & 0x8) != 0;
    }

    public void setInverted(boolean inv) {
        setData((byte) (inv ? getData() | 0x8 : getData() & ~0x8));
    }

    /** Data 0 to 3: hinged on the block to the south, north, east, west. */
    public BlockFace getAttachedFace() {
        switch (getData() & 0x3) {
            case 0x0:
                return BlockFace.SOUTH;
            case 0x1:
                return BlockFace.NORTH;
            case 0x2:
                return BlockFace.EAST;
            default:
                return BlockFace.WEST;
        }
    }

    public void setFacingDirection(BlockFace face) {
        byte data = (byte) (getData() & 0xC);
        switch (face) {
            case SOUTH:
                data |= 0x1;
                break;
            case WEST:
                data |= 0x2;
                break;
            case EAST:
                data |= 0x3;
                break;
            default:
                break;
        }
        setData(data);
    }

    @Override
    public String toString() {
        return (isOpen() ? "OPEN " : "CLOSED ") + super.toString() + " with hinges set " + getAttachedFace()
                + (isInverted() ? " inverted" : "");
    }

    @Override
    public TrapDoor clone() {
        return (TrapDoor) super.clone();
    }
}
