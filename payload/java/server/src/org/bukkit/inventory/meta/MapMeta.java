package org.bukkit.inventory.meta;

/** A filled map: whether it was scaled up at a cartography step. */
public interface MapMeta extends ItemMeta {
    boolean isScaling();

    void setScaling(boolean value);

    MapMeta clone();
}
