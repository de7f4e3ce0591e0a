package org.bukkit.entity.minecart;

import org.bukkit.entity.Minecart;

/**
 * A spawner minecart in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface SpawnerMinecart extends Minecart {
}
