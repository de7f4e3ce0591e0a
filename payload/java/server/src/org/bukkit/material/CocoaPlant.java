package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A cocoa pod: its size and the log it hangs on. */
public class CocoaPlant extends MaterialData implements Directional, Attachable {
    public CocoaPlant() {
        super(Material.COCOA);
    }

    @Deprecated
    public CocoaPlant(int type) {
        super(type);
    }

    @Deprecated
    public CocoaPlant(int type, byte data) {
        super(type, data);
    }


    /** The three sizes a pod grows through. */
    public enum CocoaPlantSize {
        SMALL,
        MEDIUM,
        LARGE
    }

    public CocoaPlant(CocoaPlantSize sz) {
        this();
        setSize(sz);
    }

    public CocoaPlant(CocoaPlantSize sz, BlockFace dir) {
        this();
        setSize(sz);
        setFacingDirection(dir);
    }

    /** Bits 0xC: small, medium, large. */
    public CocoaPlantSize getSize() {
        switch (getData() & 0xC) {
            case 0x0:
                return CocoaPlantSize.SMALL;
            case 0x4:
                return CocoaPlantSize.MEDIUM;
            default:
                return CocoaPlantSize.LARGE;
        }
    }

    public void setSize(CocoaPlantSize sz) {
        int d = getData() & 0x3;
        if (sz == CocoaPlantSize.MEDIUM) {
            d |= 0x4;
        } else if (sz == CocoaPlantSize.LARGE) {
            d |= 0x8;
        }
        setData((byte) d);
    }

    public BlockFace getAttachedFace() {
        return HorizontalFacing.of(getData());
    }

    /** It faces away from its log. */
    public void setFacingDirection(BlockFace face) {
        setData((byte) ((getData() & 0xC) | HorizontalFacing.bits(face.getOppositeFace())));
    }

    public BlockFace getFacing() {
        return getAttachedFace().getOppositeFace();
    }


    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing() + " " + getSize();
    }

    @Override
    public CocoaPlant clone() {
        return (CocoaPlant) super.clone();
    }
}
