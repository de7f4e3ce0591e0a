package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A pumpkin or jack-o-lantern and the way its face looks. */
public class Pumpkin extends MaterialData implements Directional {
    public Pumpkin() {
        super(Material.PUMPKIN);
    }

    @Deprecated
    public Pumpkin(int type) {
        super(type);
    }

    public Pumpkin(Material type) {
        super(type);
    }

    @Deprecated
    public Pumpkin(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Pumpkin(Material type, byte data) {
        super(type, data);
    }


    public Pumpkin(BlockFace direction) {
        this();
        setFacingDirection(direction);
    }

    public boolean isLit() {
        return getItemType() == Material.JACK_O_LANTERN;
    }

    public void setFacingDirection(BlockFace face) {
        setData((byte) HorizontalFacing.bits(face));
    }

    public BlockFace getFacing() {
        return HorizontalFacing.of(getData());
    }


    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing() + " " + (isLit() ? "" : "NOT ") + "LIT";
    }

    @Override
    public Pumpkin clone() {
        return (Pumpkin) super.clone();
    }
}
