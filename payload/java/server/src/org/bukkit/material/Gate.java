package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A fence gate: the way it faces and whether it is open (bit 0x4). */
public class Gate extends MaterialData implements Directional, Openable {
    public Gate() {
        super(Material.FENCE_GATE);
    }

    @Deprecated
    public Gate(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Gate(byte data) {
        super(Material.FENCE_GATE, data);
    }


    public void setFacingDirection(BlockFace face) {
        setData((byte) ((getData() & ~0x3) | HorizontalFacing.bits(face)));
    }

    public BlockFace getFacing() {
        return HorizontalFacing.of(getData());
    }

    public boolean isOpen() {
        return (getData() & 0x4) > 0;
    }

    public void setOpen(boolean isOpen) {
        setData((byte) (isOpen ? getData() | 0x4 : getData() & ~0x4));
    }


    @Override
    public String toString() {
        return "FENCE_GATE[" + getFacing() + ", " + (isOpen() ? "open" : "closed") + "]";
    }

    @Override
    public Gate clone() {
        return (Gate) super.clone();
    }
}
