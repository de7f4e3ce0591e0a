package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;

/**
 * What lies on the ground, items and experience orbs alike, as the plugin API sees it: its place
 * in the world, a teleport, its removal, what is near, and the metadata plugins put on it.
 */
abstract class GroundEntity extends WorldEntity {
    final GroundItems ground;
    private Map<String, List<MetadataValue>> metadata;

    GroundEntity(GroundItems ground, int entityId, UUID uuid) {
        super(entityId, uuid, ground.lock);
        this.ground = ground;
    }

    /** After a plugin moved it. */
    void moved() {
    }

    public Location getLocation() {
        synchronized (lock) {
            return new Location(ground.world, x, y, z, yaw, pitch);
        }
    }

    public Location getLocation(Location loc) {
        if (loc == null) {
            return null;
        }
        synchronized (lock) {
            loc.setWorld(ground.world);
            loc.setX(x);
            loc.setY(y);
            loc.setZ(z);
            loc.setYaw(yaw);
            loc.setPitch(pitch);
        }
        return loc;
    }

    public World getWorld() {
        return ground.world;
    }

    public boolean teleport(Location location) {
        return teleport(location, TeleportCause.PLUGIN);
    }

    public boolean teleport(Location location, TeleportCause cause) {
        if (location == null || isRemoved()) {
            return false;
        }
        synchronized (lock) {
            x = location.getX();
            y = location.getY();
            z = location.getZ();
            moved();
        }
        return true;
    }

    public boolean teleport(Entity destination) {
        return destination != null && teleport(destination.getLocation());
    }

    public boolean teleport(Entity destination, TeleportCause cause) {
        return destination != null && teleport(destination.getLocation(), cause);
    }

    public Server getServer() {
        return org.bukkit.Bukkit.getServer();
    }

    public boolean isDead() {
        return isRemoved();
    }

    public boolean isValid() {
        return !isRemoved();
    }

    public void remove() {
        markRemoved();
    }

    public List<Entity> getNearbyEntities(double dx, double dy, double dz) {
        List<Entity> out = new ArrayList<Entity>();
        synchronized (lock) {
            for (WorldEntity e : ground.entities.all()) {
                if (e != this && !e.isRemoved() && Math.abs(e.x - x) <= dx && Math.abs(e.y - y) <= dy
                        && Math.abs(e.z - z) <= dz) {
                    out.add(e);
                }
            }
        }
        return out;
    }

    public void setMetadata(String key, MetadataValue value) {
        synchronized (lock) {
            if (metadata == null) {
                metadata = new java.util.HashMap<String, List<MetadataValue>>();
            }
            List<MetadataValue> values = metadata.get(key);
            if (values == null) {
                values = new ArrayList<MetadataValue>();
                metadata.put(key, values);
            }
            for (int i = 0; i < values.size(); i++) {
                if (values.get(i).getOwningPlugin() == value.getOwningPlugin()) {
                    values.set(i, value);
                    return;
                }
            }
            values.add(value);
        }
    }

    public List<MetadataValue> getMetadata(String key) {
        synchronized (lock) {
            List<MetadataValue> values = metadata == null ? null : metadata.get(key);
            return values == null ? Collections.<MetadataValue>emptyList() : new ArrayList<MetadataValue>(values);
        }
    }

    public boolean hasMetadata(String key) {
        synchronized (lock) {
            return metadata != null && metadata.containsKey(key) && !metadata.get(key).isEmpty();
        }
    }

    public void removeMetadata(String key, Plugin owner) {
        synchronized (lock) {
            List<MetadataValue> values = metadata == null ? null : metadata.get(key);
            if (values == null) {
                return;
            }
            for (java.util.Iterator<MetadataValue> it = values.iterator(); it.hasNext();) {
                if (it.next().getOwningPlugin() == owner) {
                    it.remove();
                }
            }
            if (values.isEmpty()) {
                metadata.remove(key);
            }
        }
    }

}
