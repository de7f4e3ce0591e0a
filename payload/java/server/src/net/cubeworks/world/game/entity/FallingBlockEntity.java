package net.cubeworks.world.game.entity;

import java.util.Collections;
import java.util.List;

import org.bukkit.Material;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.FallingBlock;

import net.cubeworks.world.game.event.EntityBlockEvents;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Sand, gravel (or any block a plugin lets fall) falling as the game's falling block: its first
 * tick takes the block out of the world, then it falls (0.04 blocks a tick faster each tick, 2 %
 * lost to the air), and where it comes to rest it becomes its block again, or, where that cannot
 * be (a torch, a flower, a slab in the way), drops as an item. One that falls out of the world
 * or for half a minute goes. Shown as the game's Spawn Object of type 70.
 */
public final class FallingBlockEntity extends ObjectEntity implements FallingBlock {
    private final int blockId;
    private final int data;
    private boolean dropItem = true;

    public FallingBlockEntity(EntityWorld world, double x, double y, double z, int blockId, int data) {
        super(world, x, y, z);
        this.blockId = blockId;
        this.data = data & 15;
    }

    @Override
    public List<PacketOut> spawnPackets(int viewerProtocol) {
        return Collections.singletonList(PlayPackets.spawnObject(getEntityId(), PlayPackets.OBJECT_FALLING_BLOCK,
                sent.x, sent.y, sent.z, 0, 0, blockId | data << 16, motionX, motionY, motionZ));
    }

    @Override
    public int trackingRange() {
        return 160;
    }

    @Override
    public void tick(long tick) {
        super.tick(tick);
        if (blockId == BlockIds.AIR) {
            markRemoved();
            return;
        }
        int bx = (int) Math.floor(x);
        int by = (int) Math.floor(y);
        int bz = (int) Math.floor(z);
        if (!world.loaded(bx, bz)) {
            return; // it waits at the edge of the land held
        }
        if (ticksLived == 1) {
            if (world.blockAt(bx, by, bz) != blockId) {
                markRemoved();
                return;
            }
            world.setBlock(bx, by, bz, BlockIds.AIR, 0);
        }
        motionY -= 0.04;
        moveWithCollisions();
        motionX *= 0.98;
        motionY *= 0.98;
        motionZ *= 0.98;
        bx = (int) Math.floor(x);
        by = (int) Math.floor(y);
        bz = (int) Math.floor(z);
        if (onGround) {
            motionX *= 0.7;
            motionZ *= 0.7;
            motionY *= -0.5;
            markRemoved();
            if (replaceable(world.blockAt(bx, by, bz)) && !fallsThrough(world.blockAt(bx, by - 1, bz))) {
                if (EntityBlockEvents.change(world.host(), world.api(), this, bx, by, bz, blockId, data)) {
                    world.setBlock(bx, by, bz, blockId, data);
                }
            } else if (dropItem) {
                world.dropItem(x, y, z, blockId, 1, data);
            }
        } else if (ticksLived > 100 && (by < 1 || by > 256) || ticksLived > 600) {
            markRemoved();
            if (dropItem && by >= 0) {
                world.dropItem(x, y, z, blockId, 1, data);
            }
        }
    }

    /** What a landing block may take the place of: air, liquids, fire, tall grass, vines, a layer of snow. */
    static boolean replaceable(int id) {
        return id == BlockIds.AIR || BlockIds.isWater(id) || BlockIds.isLava(id) || id == BlockIds.FIRE
                || id == BlockIds.TALL_GRASS || id == BlockIds.DEAD_BUSH || id == BlockIds.VINE
                || id == BlockIds.SNOW_LAYER;
    }

    /** What a block of sand falls through: air, fire, water and lava. */
    public static boolean fallsThrough(int id) {
        return id == BlockIds.AIR || id == BlockIds.FIRE || BlockIds.isWater(id) || BlockIds.isLava(id);
    }

    // --- the plugin API's falling block ---

    public EntityType getType() {
        return EntityType.FALLING_BLOCK;
    }

    public Material getMaterial() {
        return Material.getMaterial(blockId);
    }

    public int getBlockId() {
        return blockId;
    }

    public byte getBlockData() {
        return (byte) data;
    }

    public boolean getDropItem() {
        synchronized (lock) {
            return dropItem;
        }
    }

    public void setDropItem(boolean drop) {
        synchronized (lock) {
            dropItem = drop;
        }
    }
}
