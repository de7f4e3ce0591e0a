package org.bukkit.block;

import org.bukkit.SkullType;

/** A head on the ground or on a wall: its kind, the way it faces, and a player head's owner. */
public interface Skull extends BlockState {
    boolean hasOwner();

    String getOwner();

    /** False when the name is longer than a player name may be. */
    boolean setOwner(String name);

    BlockFace getRotation();

    void setRotation(BlockFace rotation);

    SkullType getSkullType();

    void setSkullType(SkullType skullType);
}
