package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A bed block: the way it points (its head end) and whether this is its head. */
public class Bed extends MaterialData implements Directional {
    public Bed() {
        super(Material.BED_BLOCK);
    }

    @Deprecated
    public Bed(int type) {
        super(type);
    }

    public Bed(Material type) {
        super(type);
    }

    @Deprecated
    public Bed(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Bed(Material type, byte data) {
        super(type, data);
    }


    public Bed(BlockFace direction) {
        this();
        setFacingDirection(direction);
    }

    /** Bit 0x8: the head half. */
    public boolean isHeadOfBed() {
        return (getData() & 0x8) == 0x8;
    }

    public void setHeadOfBed(boolean isHeadOfBed) {
        setData((byte) (isHeadOfBed ? getData() | 0x8 : getData() & ~0x8));
    }

    public void setFacingDirection(BlockFace face) {
        setData((byte) ((getData() & 0x8) | HorizontalFacing.bits(face)));
    }

    public BlockFace getFacing() {
        return HorizontalFacing.of(getData());
    }


    @Override
    public String toString() {
        return (isHeadOfBed() ? "HEAD" : "FOOT") + " of " + super.toString() + " facing " + getFacing();
    }

    @Override
    public Bed clone() {
        return (Bed) super.clone();
    }
}
