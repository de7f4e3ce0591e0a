package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.UUID;

import org.bukkit.EntityEffect;
import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Item;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.ItemStack;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;

import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.Items;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * A stack lying on the ground (or flying through the air): it falls at 0.04 blocks a tick per
 * tick, keeps 98% of its motion each tick in the air and slides on the ground by the block it
 * lies on (ice far, anything else little), bounces a little when it lands, climbs out of a
 * block it is caught in, and is gone after five minutes (6000 ticks). It cannot be picked up
 * while its pickup delay lasts. Its place is the middle of its box of a quarter block. What it
 * does with others (merging, being collected) is the world's items' work: see {@link GroundItems}.
 */
public final class ItemEntity extends GroundEntity implements Item {
    /** Ticks an item lives on the ground. */
    public static final int LIFETIME = 6000;
    /** The pickup delay of a broken block's drops and of most items put in the world. */
    public static final int BLOCK_DROP_DELAY = 10;
    /** The pickup delay of an item a player throws. */
    public static final int THROWN_DELAY = 40;
    /** Half the item's box, which is a quarter block each way. */
    static final double HALF = 0.125;
    static final double GRAVITY = 0.04;
    static final double AIR_DRAG = 0.98;
    /** How slippery most blocks are, and ice. */
    static final double SLIPPERINESS = 0.6;
    static final double ICE_SLIPPERINESS = 0.98;
    /** Ticks between looks for stacks to merge with while the item stays within one block. */
    static final int MERGE_INTERVAL = 25;

    final GroundItems items;
    private int itemId;
    private int count;
    private int data;
    private Object tag;
    /** Ticks on the ground so far; at {@link #LIFETIME} it is gone. */
    public int age;
    public int pickupDelay;
    public short health = 5;
    /** Who threw it (by name), or null; kept as the game keeps it. */
    public String thrower;
    /** Who alone may pick it up until its last 10 seconds (by name), or null for anybody. */
    public String owner;
    /** Set when the stack changed since its viewers were told: the world sends its metadata. */
    volatile boolean stackChanged;
    /** Set when it moved into another block, or when it is time: it looks for stacks to merge with. */
    boolean wantsMerge = true;

    ItemEntity(GroundItems items, int entityId, UUID uuid, int itemId, int count, int data, Object tag) {
        super(items, entityId, uuid);
        this.items = items;
        this.itemId = itemId;
        this.count = count;
        this.data = data;
        this.tag = tag;
    }

    public int itemId() {
        return itemId;
    }

    public int count() {
        return count;
    }

    public int data() {
        return data;
    }

    public Object tag() {
        return tag;
    }

    /** Sets the stack (a count of 0 takes the item away); its viewers are told. */
    public void setStack(int id, int amount, int damage, Object itemTag) {
        itemId = id;
        count = amount;
        data = damage;
        tag = itemTag;
        stackChanged = true;
        if (amount <= 0 || id <= 0) {
            markRemoved();
        }
    }

    /** Whether the other's stack is of the same item (id, damage and tag). */
    boolean sameItem(ItemEntity o) {
        return o.itemId == itemId && o.data == data && (tag == null ? o.tag == null : tag.equals(o.tag));
    }

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        List<PacketOut> out = new ArrayList<PacketOut>(2);
        out.add(PlayPackets.spawnObject(getEntityId(), PlayPackets.OBJECT_ITEM, sent.x, sent.y, sent.z,
                sent.pitch, sent.yaw, 1, motionX, motionY, motionZ));
        out.add(metadataPacket());
        return out;
    }

    PacketOut metadataPacket() {
        return PlayPackets.itemMetadata(getEntityId(), itemId, count, data, ItemTagValues.gzipped(tag));
    }

    @Override
    public int updateInterval() {
        return 20;
    }

    @Override
    public void tick(long tick) {
        super.tick(tick);
        if (pickupDelay > 0 && pickupDelay != Short.MAX_VALUE) {
            pickupDelay--;
        }
        int bx = floor(x);
        int by = floor(y - HALF);
        int bz = floor(z);
        WaterFlow.push(items.terrain, this, x - HALF, y - HALF, z - HALF, x + HALF, y + HALF, z + HALF);
        motionY -= GRAVITY;
        boolean stuck = pushOut();
        if (!stuck) {
            Motion.move(this, items, HALF);
        } else {
            x += motionX;
            y += motionY;
            z += motionZ;
        }
        if (bx != floor(x) || by != floor(y - HALF) || bz != floor(z) || ticksLived % MERGE_INTERVAL == 0) {
            wantsMerge = true;
        }
        double friction = AIR_DRAG;
        if (onGround) {
            friction = slipperiness(items.blockAt(floor(x), floor(y - HALF) - 1, floor(z))) * AIR_DRAG;
        }
        motionX *= friction;
        motionY *= AIR_DRAG;
        motionZ *= friction;
        if (onGround) {
            motionY *= -0.5;
        }
        if (y < -64) {
            markRemoved(); // fell out of the world
            return;
        }
        if (age != Short.MIN_VALUE) {
            age++;
        }
        if (age >= LIFETIME && !items.despawning(this)) {
            age = 0; // a plugin keeps it: it lives another five minutes
        }
    }

    static double slipperiness(int block) {
        return block == BlockIds.ICE || block == BlockIds.PACKED_ICE ? ICE_SLIPPERINESS : SLIPPERINESS;
    }

    static int floor(double v) {
        int i = (int) v;
        return v < i ? i - 1 : i;
    }

    private boolean solidAt(int bx, int by, int bz) {
        return by >= 0 && by <= 255 && items.solid(items.blockAt(bx, by, bz));
    }

    /**
     * An item caught in a solid block (one placed over it, or pushed there) is pushed toward
     * the nearest open side, as the game does, and passes through blocks while it gets out.
     */
    private boolean pushOut() {
        int bx = floor(x);
        int by = floor(y);
        int bz = floor(z);
        if (!solidAt(bx, by, bz)) {
            return false;
        }
        double fx = x - bx;
        double fy = y - by;
        double fz = z - bz;
        double best = Double.MAX_VALUE;
        int side = -1;
        double[] distance = {fx, 1 - fx, fy, 1 - fy, fz, 1 - fz};
        int[][] step = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
        for (int i = 0; i < 6; i++) {
            if (distance[i] < best && !solidAt(bx + step[i][0], by + step[i][1], bz + step[i][2])) {
                best = distance[i];
                side = i;
            }
        }
        if (side < 0) {
            side = 3; // closed in on every side: up
        }
        double push = items.random.nextFloat() * 0.2 + 0.1;
        if (side < 2) {
            motionX = step[side][0] * push;
        } else if (side < 4) {
            motionY = step[side][1] * push;
        } else {
            motionZ = step[side][2] * push;
        }
        return true;
    }

    // --- the plugin API's item ---

    public ItemStack getItemStack() {
        synchronized (lock) {
            return ApiItems.stack(itemId, count, data, tag);
        }
    }

    public void setItemStack(ItemStack stack) {
        synchronized (lock) {
            if (stack == null || stack.getTypeId() <= 0 || stack.getAmount() <= 0) {
                setStack(0, 0, 0, null);
            } else {
                setStack(stack.getTypeId(), Math.min(stack.getAmount(), Items.maxStack(stack.getTypeId()) * 64),
                        stack.getDurability(), ApiItems.tag(stack));
            }
        }
    }

    @Override
    void moved() {
        wantsMerge = true;
    }

    public int getPickupDelay() {
        synchronized (lock) {
            return pickupDelay;
        }
    }

    public void setPickupDelay(int delay) {
        synchronized (lock) {
            pickupDelay = Math.max(0, Math.min(Short.MAX_VALUE, delay));
        }
    }

    public EntityType getType() {
        return EntityType.DROPPED_ITEM;
    }

    public void playEffect(EntityEffect type) {
        // an item shows no entity effects
    }

    @Override
    public String toString() {
        return "CraftItem";
    }
}
