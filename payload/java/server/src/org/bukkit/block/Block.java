package org.bukkit.block;

import java.util.Collection;

import org.bukkit.Chunk;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.inventory.ItemStack;

/** One block of a world, read and changed where it stands. */
public interface Block extends org.bukkit.metadata.Metadatable {
    byte getData();

    Block getRelative(int modX, int modY, int modZ);

    Block getRelative(BlockFace face);

    Block getRelative(BlockFace face, int distance);

    Material getType();

    int getTypeId();

    byte getLightLevel();

    byte getLightFromSky();

    byte getLightFromBlocks();

    World getWorld();

    int getX();

    int getY();

    int getZ();

    Location getLocation();

    Location getLocation(Location loc);

    Chunk getChunk();

    void setData(byte data);

    void setData(byte data, boolean applyPhysics);

    void setType(Material type);

    boolean setTypeId(int type);

    boolean setTypeId(int type, boolean applyPhysics);

    boolean setTypeIdAndData(int type, byte data, boolean applyPhysics);

    /** The face of this block the other block touches, or null when they do not touch. */
    BlockFace getFace(Block block);

    BlockState getState();

    boolean isBlockPowered();

    boolean isBlockIndirectlyPowered();

    boolean isBlockFacePowered(BlockFace face);

    boolean isBlockFaceIndirectlyPowered(BlockFace face);

    int getBlockPower(BlockFace face);

    int getBlockPower();

    boolean isEmpty();

    boolean isLiquid();

    double getTemperature();

    double getHumidity();

    boolean breakNaturally();

    boolean breakNaturally(ItemStack tool);

    Collection<ItemStack> getDrops();

    Collection<ItemStack> getDrops(ItemStack tool);

    // --- biome and pistons ---

    Biome getBiome();

    void setBiome(Biome bio);

    PistonMoveReaction getPistonMoveReaction();
}
