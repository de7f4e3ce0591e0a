package net.cubeworks.world.game.mob;


import org.bukkit.Location;


/**
 * Where an entity of the mobs' world is, for the plugin API: its place and look as a location, a
 * plugin's teleport of a mob, and the entities within a box around it. Each reads and writes
 * under the world lock.
 */
final class Whereabouts {
    private Whereabouts() {
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

}
