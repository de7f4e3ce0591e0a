package org.bukkit.material;

/** A block that carries or gives redstone power. */
public interface Redstone {
    boolean isPowered();
}
