package org.bukkit.material;

import org.bukkit.block.BlockFace;

/** Something attached to the face of another block. */
public interface Attachable extends Directional {
    BlockFace getAttachedFace();
}
