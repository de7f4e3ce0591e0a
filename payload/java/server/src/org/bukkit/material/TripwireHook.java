package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A tripwire hook: the wall it hangs on, whether a wire is tied to it and pulled. */
public class TripwireHook extends SimpleAttachableMaterialData implements Redstone {
    public TripwireHook() {
        super(Material.TRIPWIRE_HOOK);
    }

    @Deprecated
    public TripwireHook(int type) {
        super(type);
    }

    @Deprecated
    public TripwireHook(int type, byte data) {
        super(type, data);
    }


    public TripwireHook(BlockFace dir) {
        this();
        setFacingDirection(dir);
    }

    public boolean isConnected() {
        return (getData() & 0x4) != 0;
    }

    public void setConnected(boolean connected) {
        setData((byte) (connected ? getData() | 0x4 : getData() & ~0x4));
    }

    public boolean isActivated() {
        return (getData() & 0x8) != 0;
    }

    public void setActivated(boolean act) {
        setData((byte) (act ? getData() | 0x8 : getData() & ~0x8));
    }

    /** Data 0 to 3: on the block to the north, east, south, west. */
    public BlockFace getAttachedFace() {
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

    public void setFacingDirection(BlockFace face) {
        int data = getData() & 0xC;
        switch (face) {
            case WEST:
                data |= 0x1;
                break;
            case NORTH:
                data |= 0x2;
                break;
            case EAST:
                data |= 0x3;
                break;
            default:
                break;
        }
        setData((byte) data);
    }

    public boolean isPowered() {
        return isActivated();
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing() + (isActivated() ? " Activated" : "")
                + (isConnected() ? " Connected" : "");
    }

    @Override
    public TripwireHook clone() {
        return (TripwireHook) super.clone();
    }
}
