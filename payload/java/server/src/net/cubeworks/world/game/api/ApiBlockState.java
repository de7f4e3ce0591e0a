package net.cubeworks.world.game.api;

import org.bukkit.Chunk;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.block.BlockState;

/** A block's type and data as they were when taken; update() writes them back. */
class ApiBlockState implements BlockState {
    private final ApiBlock block;
    private int type;
    private byte data;

    ApiBlockState(ApiBlock block) {
        this(block, block.getTypeId(), block.getData());
    }

    ApiBlockState(ApiBlock block, int type, int data) {
        this.block = block;
        this.type = type;
        this.data = (byte) data;
    }

    public Block getBlock() {
        return block;
    }

    public Material getType() {
        Material m = Material.getMaterial(type);
        return m == null ? Material.AIR : m;
    }

    public int getTypeId() {
        return type;
    }

    public byte getLightLevel() {
        return block.getLightLevel();
    }

    public World getWorld() {
        return block.getWorld();
    }

    public int getX() {
        return block.getX();
    }

    public int getY() {
        return block.getY();
    }

    public int getZ() {
        return block.getZ();
    }

    public Location getLocation() {
        return block.getLocation();
    }

    public Location getLocation(Location loc) {
        return block.getLocation(loc);
    }

    public Chunk getChunk() {
        return block.getChunk();
    }

    public void setType(Material type) {
        this.type = type.getId();
    }

    public boolean setTypeId(int type) {
        this.type = type;
        return true;
    }

    public boolean update() {
        return update(false);
    }

    public boolean update(boolean force) {
        return update(force, true);
    }

    /** Writes the kept type and data; unless forced, only while the block is still of the kept type. */
    public boolean update(boolean force, boolean applyPhysics) {
        if (!force && block.getTypeId() != type) {
            return false;
        }
        return block.setTypeIdAndData(type, data, applyPhysics);
    }

    public byte getRawData() {
        return data;
    }

    public void setRawData(byte data) {
        this.data = data;
    }

    /** The kept type and data as the type's data class (a Sign's facing, a Wool's colour, ...). */
    public org.bukkit.material.MaterialData getData() {
        return getType().getNewData(data);
    }

    /** Keeps the data's value; it must be of the kept type (or a plain MaterialData). */
    public void setData(org.bukkit.material.MaterialData md) {
        if (md == null) {
            throw new IllegalArgumentException("data cannot be null");
        }
        if (md.getItemTypeId() != type && md.getClass() != org.bukkit.material.MaterialData.class) {
            throw new IllegalArgumentException("Provided data is not of type " + getType().getData().getName()
                    + ", found " + md.getClass().getName());
        }
        data = md.getData();
    }
}
