package org.bukkit.entity;

import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.metadata.Metadatable;
import org.bukkit.util.Vector;

/** Something in the world. */
public interface Entity extends Metadatable {
    Location getLocation();

    /** Copies the position into the given location and returns it; null stays null. */
    Location getLocation(Location loc);

    void setVelocity(Vector velocity);

    Vector getVelocity();

    boolean isOnGround();

    World getWorld();

    /** Moves the entity; false when the move was refused (by a plugin, or a dead player). */
    boolean teleport(Location location);

    boolean teleport(Location location, TeleportCause cause);

    boolean teleport(Entity destination);

    boolean teleport(Entity destination, TeleportCause cause);

    int getEntityId();

    int getFireTicks();

    int getMaxFireTicks();

    void setFireTicks(int ticks);

    float getFallDistance();

    void setFallDistance(float distance);

    UUID getUniqueId();

    int getTicksLived();

    void setTicksLived(int value);

    Server getServer();

    boolean isDead();

    boolean isValid();

    void remove();
}
