package net.cubeworks.world.game.entity;

import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
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

    protected Entities registry() {
        return ground.entities;
    }

    public World getWorld() {
        return ground.world;
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

    public Server getServer() {
        return org.bukkit.Bukkit.getServer();
    }

}
