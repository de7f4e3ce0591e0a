package org.bukkit.material;

import org.bukkit.block.BlockFace;

/** Something that faces a direction. */
public interface Directional {
    BlockFace getFacing();
    void setFacingDirection(BlockFace face);
}
