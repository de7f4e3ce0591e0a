package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.List;
import java.util.UUID;

import org.bukkit.EntityEffect;
import org.bukkit.Location;
import org.bukkit.entity.Entity;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.util.Vector;

import net.cubeworks.world.protocol.PacketOut;

/**
 * Everything in the world that has an entity id: where it is and how it looks, its motion, whether
 * it stands on the ground, how far it has fallen, how long it still burns, how long it has lived,
 * and whether it is gone. The state is the game's own, changed on the game thread under the world
 * lock; the plugin API's entity members read and write this same state. A kind says how it is shown
 * to a player (its spawn packets) and from how far, and what it does in a tick.
 */
public abstract class WorldEntity implements Entity {
    /** How far a player sees entities of most kinds, in blocks. */
    public static final int DEFAULT_TRACKING_RANGE = 64;
    public static final int MAX_FIRE_TICKS = 20;

    private final int entityId;
    private final UUID uniqueId;
    /** The world lock: reads from other threads take it for a consistent view. */
    protected final Object lock;

    public double x;
    public double y;
    public double z;
    public float yaw;
    public float pitch;
    /** Blocks per tick. */
    public double motionX;
    public double motionY;
    public double motionZ;
    public boolean onGround;
    /** Blocks fallen since the entity last stood on the ground. */
    public float fallDistance;
    /** Ticks the entity still burns. */
    public int fireTicks;
    public int ticksLived;
    private volatile boolean removed;
    private volatile EntityDamageEvent lastDamageCause;
    /** What its viewers were last told of it: see {@link EntityTracker}. */
    public final TrackedPosition sent = new TrackedPosition();

    protected WorldEntity(int entityId, UUID uniqueId, Object lock) {
        this.entityId = entityId;
        this.uniqueId = uniqueId;
        this.lock = lock;
    }

    /** The packets that make a viewer's client show this entity where it was last told to be. */
    public abstract List<PacketOut> spawnPackets(int viewerProtocol);

    /** How far from a player, in blocks, this entity is shown to him. */
    public int trackingRange() {
        return DEFAULT_TRACKING_RANGE;
    }

    /**
     * Every how many ticks its viewers are told how it moved: 1 for most kinds; items, whose
     * flight every client works out alike, are told every 20 ticks, as in the game.
     */
    public int updateInterval() {
        return 1;
    }

    /** One world tick of this entity, on the game thread under the lock. */
    public void tick(long tick) {
        ticksLived++;
    }

    /** Takes the entity out of the world: the world forgets it and every viewer destroys it. */
    public void markRemoved() {
        removed = true;
    }

    public boolean isRemoved() {
        return removed;
    }

    /** The world's entities this one is among: what is near it is looked for there. */
    protected abstract Entities registry();

    /** Whether the others meet it in the world: not once it is removed (a kind may say more). */
    public boolean isPresent() {
        return !isRemoved();
    }

    // --- the plugin API's members on this state ---

    public Location getLocation() {
        synchronized (lock) {
            return new Location(getWorld(), x, y, z, yaw, pitch);
        }
    }

    public Location getLocation(Location loc) {
        if (loc == null) {
            return null;
        }
        synchronized (lock) {
            loc.setWorld(getWorld());
            loc.setX(x);
            loc.setY(y);
            loc.setZ(z);
            loc.setYaw(yaw);
            loc.setPitch(pitch);
        }
        return loc;
    }

    public boolean teleport(Location location) {
        return teleport(location, TeleportCause.PLUGIN);
    }

    public boolean teleport(Entity destination) {
        return destination != null && teleport(destination.getLocation());
    }

    public boolean teleport(Entity destination, TeleportCause cause) {
        return destination != null && teleport(destination.getLocation(), cause);
    }

    /** The other entities in the world, present, within the distances of this one along each axis. */
    public List<Entity> getNearbyEntities(double dx, double dy, double dz) {
        List<Entity> out = new ArrayList<Entity>();
        synchronized (lock) {
            for (WorldEntity e : registry().all()) {
                if (e != this && e.isPresent() && Math.abs(e.x - x) <= dx && Math.abs(e.y - y) <= dy
                        && Math.abs(e.z - z) <= dz) {
                    out.add(e);
                }
            }
        }
        return out;
    }

    public boolean isDead() {
        return isRemoved();
    }

    public boolean isValid() {
        return !isDead();
    }

    public void remove() {
        markRemoved();
    }

    /** Plays the effect of a living thing; a kind that shows none leaves this as it is. */
    public void playEffect(EntityEffect type) {
    }

    public int getEntityId() {
        return entityId;
    }

    public UUID getUniqueId() {
        return uniqueId;
    }

    public boolean isOnGround() {
        synchronized (lock) {
            return onGround;
        }
    }

    public Vector getVelocity() {
        synchronized (lock) {
            return new Vector(motionX, motionY, motionZ);
        }
    }

    public void setVelocity(Vector velocity) {
        synchronized (lock) {
            motionX = velocity.getX();
            motionY = velocity.getY();
            motionZ = velocity.getZ();
        }
    }

    public int getFireTicks() {
        synchronized (lock) {
            return fireTicks;
        }
    }

    public int getMaxFireTicks() {
        return MAX_FIRE_TICKS;
    }

    public void setFireTicks(int ticks) {
        synchronized (lock) {
            fireTicks = Math.max(0, ticks);
        }
    }

    public float getFallDistance() {
        synchronized (lock) {
            return fallDistance;
        }
    }

    public void setFallDistance(float distance) {
        synchronized (lock) {
            fallDistance = distance;
        }
    }

    public int getTicksLived() {
        synchronized (lock) {
            return Math.max(1, ticksLived);
        }
    }

    public void setTicksLived(int value) {
        if (value < 1) {
            throw new IllegalArgumentException("Age must be at least 1 tick");
        }
        synchronized (lock) {
            ticksLived = value;
        }
    }

    public void setLastDamageCause(EntityDamageEvent event) {
        lastDamageCause = event;
    }

    public EntityDamageEvent getLastDamageCause() {
        return lastDamageCause;
    }

    // --- riding: nothing rides or is ridden yet ---

    public boolean isEmpty() {
        return true;
    }

    public Entity getPassenger() {
        return null;
    }

    public boolean setPassenger(Entity passenger) {
        return false;
    }

    public boolean eject() {
        return false;
    }

    public boolean isInsideVehicle() {
        return false;
    }

    public boolean leaveVehicle() {
        return false;
    }

    public Entity getVehicle() {
        return null;
    }

    // --- plugins' metadata, kept with the entity while it lives ---

    private final PluginMetadata metadata = new PluginMetadata();

    public void setMetadata(String key, org.bukkit.metadata.MetadataValue value) {
        metadata.set(key, value);
    }

    public List<org.bukkit.metadata.MetadataValue> getMetadata(String key) {
        return metadata.get(key);
    }

    public boolean hasMetadata(String key) {
        return metadata.has(key);
    }

    public void removeMetadata(String key, org.bukkit.plugin.Plugin owner) {
        metadata.remove(key, owner);
    }
}
