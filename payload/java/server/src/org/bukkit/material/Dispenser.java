package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A dispenser or dropper, which may also face up or down (data 1, 0). */
public class Dispenser extends FurnaceAndDispenser {
    public Dispenser() {
        super(Material.DISPENSER);
    }

    @Deprecated
    public Dispenser(int type) {
        super(type);
    }

    public Dispenser(Material type) {
        super(type);
    }

    @Deprecated
    public Dispenser(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Dispenser(Material type, byte data) {
        super(type, data);
    }


    public Dispenser(BlockFace direction) {
        this();
        setFacingDirection(direction);
    }

    public void setFacingDirection(BlockFace face) {
        if (face == BlockFace.DOWN) {
            setData((byte) 0x0);
        } else if (face == BlockFace.UP) {
            setData((byte) 0x1);
        } else {
            super.setFacingDirection(face);
        }
    }

    public BlockFace getFacing() {
        switch (getData() & 0x7) {
            case 0x0:
                return BlockFace.DOWN;
            case 0x1:
                return BlockFace.UP;
            default:
                return super.getFacing();
        }
    }

    @Override
    public Dispenser clone() {
        return (Dispenser) super.clone();
    }
}
