package org.bukkit.entity.minecart;

import org.bukkit.entity.Minecart;

/**
 * A rideable minecart in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface RideableMinecart extends Minecart {
}
