package net.cubeworks.world.game.mob;

import java.util.List;
import java.util.UUID;

import org.bukkit.EntityEffect;
import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;

import net.cubeworks.world.game.entity.WorldEntity;

/** A lifeless entity of the mobs' world (an arrow): the plugin API's members of an entity on its state. */
abstract class Thing extends WorldEntity {
    final Mobs mobs;

    Thing(Mobs mobs) {
        super(mobs.world.entities().nextId(), UUID.randomUUID(), mobs.world.lock());
        this.mobs = mobs;
    }

    public Location getLocation() {
        synchronized (lock) {
            return new Location(getWorld(), x, y, z, yaw, pitch);
        }
    }

    public Location getLocation(Location loc) {
        if (loc != null) {
            Location l = getLocation();
            loc.setWorld(l.getWorld());
            loc.setX(l.getX());
            loc.setY(l.getY());
            loc.setZ(l.getZ());
            loc.setYaw(l.getYaw());
            loc.setPitch(l.getPitch());
        }
        return loc;
    }

    public World getWorld() {
        return mobs.world.api();
    }

    public Server getServer() {
        return mobs.world.host().api();
    }

    public boolean teleport(Location location) {
        if (location == null || isRemoved()) {
            return false;
        }
        synchronized (lock) {
            x = location.getX();
            y = location.getY();
            z = location.getZ();
        }
        return true;
    }

    public boolean teleport(Location location, TeleportCause cause) {
        return teleport(location);
    }

    public boolean teleport(Entity destination) {
        return destination != null && teleport(destination.getLocation());
    }

    public boolean teleport(Entity destination, TeleportCause cause) {
        return teleport(destination);
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

    public void playEffect(EntityEffect type) {
    }

    public List<Entity> getNearbyEntities(double rx, double ry, double rz) {
        return Whereabouts.nearby(this, lock, mobs.world, rx, ry, rz);
    }
}
