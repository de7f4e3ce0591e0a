package org.bukkit.material;

import org.bukkit.block.BlockFace;

public interface Directional {
    BlockFace getFacing();
    void setFacingDirection(BlockFace blockFace);
}
