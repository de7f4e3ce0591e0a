package org.bukkit.entity;

/** The older name of {@link org.bukkit.entity.minecart.StorageMinecart}, kept for plugins that use it. */
@Deprecated
public interface StorageMinecart extends org.bukkit.entity.minecart.StorageMinecart {
}
