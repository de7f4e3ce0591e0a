package org.bukkit.entity;

import org.bukkit.block.BlockFace;
import org.bukkit.material.Attachable;

/**
 * An entity that hangs on a block face (a painting, an item frame, a leash knot). This server
 * simulates players only, so no entity of this kind exists here.
 */
public interface Hanging extends Entity, Attachable {
    boolean setFacingDirection(BlockFace face, boolean force);
}
