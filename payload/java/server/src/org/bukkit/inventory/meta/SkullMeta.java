package org.bukkit.inventory.meta;

/** A head item: the player whose head it is. */
public interface SkullMeta extends ItemMeta {
    String getOwner();

    boolean hasOwner();

    /** False when the name is longer than a player name may be. */
    boolean setOwner(String owner);

    SkullMeta clone();
}
