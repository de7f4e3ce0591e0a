package org.bukkit.projectiles;

import org.bukkit.block.Block;

/** A block that launches projectiles (a dispenser). */
public interface BlockProjectileSource extends ProjectileSource {
    Block getBlock();
}
