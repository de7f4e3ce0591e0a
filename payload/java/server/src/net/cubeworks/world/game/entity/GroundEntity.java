package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.List;
import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;

/**
 * What lies on the ground, items and experience orbs alike, as the plugin API sees it: its place
 * in the world, a teleport, its removal, what is near, and the metadata plugins put on it.
 */
abstract class GroundEntity extends WorldEntity {
    final GroundItems ground;

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

}
