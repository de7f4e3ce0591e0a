package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A chest. */
public class Chest extends DirectionalContainer {
    public Chest() {
        super(Material.CHEST);
    }

    @Deprecated
    public Chest(int type) {
        super(type);
    }

    public Chest(Material type) {
        super(type);
    }

    @Deprecated
    public Chest(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Chest(Material type, byte data) {
        super(type, data);
    }


    public Chest(BlockFace direction) {
        this();
        setFacingDirection(direction);
    }

    @Override
    public Chest clone() {
        return (Chest) super.clone();
    }
}
