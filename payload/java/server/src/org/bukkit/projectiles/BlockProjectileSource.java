package org.bukkit.projectiles;

import org.bukkit.block.Block;

public interface BlockProjectileSource extends ProjectileSource {
    Block getBlock();
}
