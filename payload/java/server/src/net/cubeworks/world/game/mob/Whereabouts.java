package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.Location;
import org.bukkit.entity.Entity;

import net.cubeworks.world.game.entity.WorldEntity;

/**
 * Where an entity of the mobs' world is, for the plugin API: its place and look as a location, a
 * plugin's teleport of a mob, and the entities within a box around it. Each reads and writes
 * under the world lock.
 */
final class Whereabouts {
    private Whereabouts() {
    }

    /** The mob's world, place and look. */
    static Location location(Mob m) {
        synchronized (m.lock()) {
            return new Location(m.getWorld(), m.x, m.y, m.z, m.yaw, m.pitch);
        }
    }

    /** Its location raised to its eyes. */
    static Location eyeLocation(Mob m) {
        Location l = m.getLocation();
        l.setY(l.getY() + m.getEyeHeight());
        return l;
    }

    /** The location given, set to the mob's world, place and look. */
    static Location location(Mob m, Location loc) {
        synchronized (m.lock()) {
            loc.setWorld(m.getWorld());
            loc.setX(m.x);
            loc.setY(m.y);
            loc.setZ(m.z);
            loc.setYaw(m.yaw);
            loc.setPitch(m.pitch);
        }
        return loc;
    }

    /** A plugin moves the mob: it lands there facing the location's way, its fall and its way forgotten. */
    static boolean teleport(Mob m, Location location) {
        if (location == null || m.dead || m.isRemoved()) {
            return false;
        }
        synchronized (m.lock()) {
            m.x = location.getX();
            m.y = location.getY();
            m.z = location.getZ();
            m.yaw = location.getYaw();
            m.pitch = location.getPitch();
            m.headYaw = m.yaw;
            m.fallDistance = 0;
            m.walking.stop();
        }
        return true;
    }

    /** The other entities of the world within the distances of the entity along each axis, under its lock. */
    static List<Entity> nearby(WorldEntity of, Object lock, MobWorld world, double rx, double ry, double rz) {
        List<Entity> out = new ArrayList<Entity>();
        synchronized (lock) {
            for (WorldEntity e : world.entities().all()) {
                if (e != of && !e.isRemoved() && Math.abs(e.x - of.x) <= rx && Math.abs(e.y - of.y) <= ry
                        && Math.abs(e.z - of.z) <= rz) {
                    out.add(e);
                }
            }
        }
        return out;
    }
}
