package org.bukkit.block;

import org.bukkit.Chunk;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;

/** A copy of a block taken at one moment; update() writes it back to the world. */
public interface BlockState {
    Block getBlock();

    Material getType();

    int getTypeId();

    byte getLightLevel();

    World getWorld();

    int getX();

    int getY();

    int getZ();

    Location getLocation();

    Location getLocation(Location loc);

    Chunk getChunk();

    void setType(Material type);

    boolean setTypeId(int type);

    /** Writes the kept type and data back, unless the block changed type meanwhile. */
    boolean update();

    boolean update(boolean force);

    boolean update(boolean force, boolean applyPhysics);

    byte getRawData();

    void setRawData(byte data);

    // --- the data value as its material's data class ---

    org.bukkit.material.MaterialData getData();

    void setData(org.bukkit.material.MaterialData data);
}
