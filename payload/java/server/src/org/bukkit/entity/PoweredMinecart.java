package org.bukkit.entity;

/** The older name of {@link org.bukkit.entity.minecart.PoweredMinecart}, kept for plugins that use it. */
@Deprecated
public interface PoweredMinecart extends org.bukkit.entity.minecart.PoweredMinecart {
}
