package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.Collection;

import org.bukkit.Chunk;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.block.BlockFace;
import org.bukkit.block.BlockState;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.level.BlockTable;
import net.cubeworks.world.level.Tools;

/** A block of the world by its coordinates: reads what is there now, changes go through the game thread. */
final class ApiBlock implements Block {
    private final ApiWorld world;
    private final int x;
    private final int y;
    private final int z;

    ApiBlock(ApiWorld world, int x, int y, int z) {
        this.world = world;
        this.x = x;
        this.y = y;
        this.z = z;
    }

    public byte getData() {
        return (byte) world.dataAt(x, y, z);
    }

    public Block getRelative(int modX, int modY, int modZ) {
        return new ApiBlock(world, x + modX, y + modY, z + modZ);
    }

    public Block getRelative(BlockFace face) {
        return getRelative(face, 1);
    }

    public Block getRelative(BlockFace face, int distance) {
        return getRelative(face.getModX() * distance, face.getModY() * distance, face.getModZ() * distance);
    }

    public Material getType() {
        Material m = Material.getMaterial(getTypeId());
        return m == null ? Material.AIR : m;
    }

    public int getTypeId() {
        return world.typeAt(x, y, z);
    }

    /** Light is not modelled: full daylight everywhere. */
    public byte getLightLevel() {
        return 15;
    }

    public byte getLightFromSky() {
        return 15;
    }

    public byte getLightFromBlocks() {
        return 0;
    }

    public World getWorld() {
        return world;
    }

    public int getX() {
        return x;
    }

    public int getY() {
        return y;
    }

    public int getZ() {
        return z;
    }

    public Location getLocation() {
        return new Location(world, x, y, z);
    }

    public Location getLocation(Location loc) {
        if (loc != null) {
            loc.setWorld(world);
            loc.setX(x);
            loc.setY(y);
            loc.setZ(z);
            loc.setYaw(0);
            loc.setPitch(0);
        }
        return loc;
    }

    public Chunk getChunk() {
        return world.getChunkAt(x >> 4, z >> 4);
    }

    public void setData(byte data) {
        world.set(x, y, z, getTypeId(), data);
    }

    public void setData(byte data, boolean applyPhysics) {
        world.set(x, y, z, getTypeId(), data, applyPhysics);
    }

    public void setType(Material type) {
        setTypeId(type.getId());
    }

    public boolean setTypeId(int type) {
        return setTypeIdAndData(type, (byte) 0, true);
    }

    public boolean setTypeId(int type, boolean applyPhysics) {
        return setTypeIdAndData(type, (byte) 0, applyPhysics);
    }

    /** Only blocks (ids below 256) go into the world; false for anything else. */
    public boolean setTypeIdAndData(int type, byte data, boolean applyPhysics) {
        if (type < 0 || type > 255 || y < 0 || y > 255) {
            return false;
        }
        world.set(x, y, z, type, data, applyPhysics);
        return true;
    }

    public BlockFace getFace(Block block) {
        for (BlockFace face : BlockFace.values()) {
            if (x + face.getModX() == block.getX() && y + face.getModY() == block.getY()
                    && z + face.getModZ() == block.getZ()) {
                return face;
            }
        }
        return null;
    }

    /** The block's state, of the kind of block it is (a Chest for a chest, ...; see ApiTileStates). */
    public BlockState getState() {
        return ApiTileStates.of(this);
    }

    /** Redstone is not modelled: nothing is powered. */
    public boolean isBlockPowered() {
        return false;
    }

    public boolean isBlockIndirectlyPowered() {
        return false;
    }

    public boolean isBlockFacePowered(BlockFace face) {
        return false;
    }

    public boolean isBlockFaceIndirectlyPowered(BlockFace face) {
        return false;
    }

    public int getBlockPower(BlockFace face) {
        return 0;
    }

    public int getBlockPower() {
        return 0;
    }

    public boolean isEmpty() {
        return getTypeId() == 0;
    }

    public boolean isLiquid() {
        int id = getTypeId();
        return id >= 8 && id <= 11;
    }

    /** The plains' climate: the flat world is one biome. */
    public double getTemperature() {
        return world.getTemperature(x, z);
    }

    public double getHumidity() {
        return world.getHumidity(x, z);
    }

    public org.bukkit.block.Biome getBiome() {
        return world.getBiome(x, z);
    }

    public void setBiome(org.bukkit.block.Biome bio) {
        world.setBiome(x, z, bio);
    }

    /**
     * As the game's pistons would treat the block: bedrock, obsidian, portals, containers and
     * other blocks with contents stop them; plants, torches, fluids and other blocks that need
     * support break; the rest move. (Pistons themselves do not push here yet.)
     */
    public org.bukkit.block.PistonMoveReaction getPistonMoveReaction() {
        return ApiPistons.reaction(getTypeId(), getData());
    }

    /** Turns the block to air; what it drops is not put in the world (items on the ground are not modelled). */
    public boolean breakNaturally() {
        if (isEmpty()) {
            return false;
        }
        setTypeId(0);
        return true;
    }

    public boolean breakNaturally(ItemStack tool) {
        return breakNaturally();
    }

    /** What digging the block by hand gives, by the game's rules (a chance drop rolled once). */
    public Collection<ItemStack> getDrops() {
        return getDrops(null);
    }

    /** What digging the block with the tool gives: nothing where the tool cannot harvest it. */
    public Collection<ItemStack> getDrops(ItemStack tool) {
        Collection<ItemStack> out = new ArrayList<ItemStack>();
        int toolId = tool == null ? 0 : tool.getTypeId();
        BlockTable.Block block = BlockTable.of(getTypeId());
        if (!Tools.harvests(toolId, block)) {
            return out;
        }
        for (BlockTable.Stack s : block.roll(getData(), toolId == Tools.SHEARS_ITEM, new java.util.Random())) {
            out.add(new ItemStack(s.item, s.count, (short) s.data));
        }
        return out;
    }

    @Override
    public boolean equals(Object o) {
        if (!(o instanceof ApiBlock)) {
            return false;
        }
        ApiBlock b = (ApiBlock) o;
        return b.x == x && b.y == y && b.z == z && b.world == world;
    }

    @Override
    public int hashCode() {
        return (y << 24) ^ (x * 31 + z) * 31;
    }

    @Override
    public String toString() {
        return "Block{world=" + world.getName() + ",x=" + x + ",y=" + y + ",z=" + z + ",type=" + getType() + "}";
    }

    // --- metadata of the block (by place), kept for the session ---

    public void setMetadata(String metadataKey, org.bukkit.metadata.MetadataValue newMetadataValue) {
        world.blockMetadata().setMetadata(this, metadataKey, newMetadataValue);
    }

    public java.util.List<org.bukkit.metadata.MetadataValue> getMetadata(String metadataKey) {
        return world.blockMetadata().getMetadata(this, metadataKey);
    }

    public boolean hasMetadata(String metadataKey) {
        return world.blockMetadata().hasMetadata(this, metadataKey);
    }

    public void removeMetadata(String metadataKey, org.bukkit.plugin.Plugin owningPlugin) {
        world.blockMetadata().removeMetadata(this, metadataKey, owningPlugin);
    }
}
