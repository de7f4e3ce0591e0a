package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A powered, detector or activator rail: straight or sloping only, with a flag in bit 0x8. */
public class ExtendedRails extends Rails {
    @Deprecated
    public ExtendedRails(int type) {
        super(type);
    }

    public ExtendedRails(Material type) {
        super(type);
    }

    @Deprecated
    public ExtendedRails(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public ExtendedRails(Material type, byte data) {
        super(type, data);
    }


    /** These rails do not curve. */
    @Override
    public boolean isCurve() {
        return false;
    }

    @Override
    @Deprecated
    protected byte getConvertedData() {
        return (byte) (getData() & 0x7);
    }

    @Override
    @Deprecated
    protected void setConvertedData(byte data) {
        setData((byte) ((getData() & 0x8) | (data & 0x7)));
    }

    @Override
    public void setDirection(BlockFace face, boolean isOnSlope) {
        boolean flag = (getData() & 0x8) != 0;
        if (face != BlockFace.NORTH && face != BlockFace.SOUTH && face != BlockFace.EAST && face != BlockFace.WEST) {
            throw new IllegalArgumentException("Detector rails and powered rails cannot be set on a curve!");
        }
        super.setDirection(face, isOnSlope);
        setData((byte) (flag ? getData() | 0x8 : getData() & ~0x8));
    }

    @Override
    public ExtendedRails clone() {
        return (ExtendedRails) super.clone();
    }
}
