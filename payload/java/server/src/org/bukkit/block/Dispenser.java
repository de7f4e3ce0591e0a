package org.bukkit.block;

import org.bukkit.projectiles.BlockProjectileSource;

/** A dispenser: nine slots, and shoots or drops one item when powered. */
public interface Dispenser extends BlockState, ContainerBlock {
    /** What shoots its projectiles; null when the block is no longer a dispenser. */
    BlockProjectileSource getBlockProjectileSource();

    /** Shoots or drops one item, as a redstone pulse would; false when nothing could come out. */
    boolean dispense();
}
