package net.cubeworks.world.game.entity;

import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.event.player.PlayerTeleportEvent;

/**
 * A thing in the world that is not alive and moves by itself (a falling block, primed TNT): the
 * plugin API's members every such kind shares, on the state of {@link WorldEntity}. Plugins may
 * move it and take it out; its metadata is kept with it.
 */
public abstract class ObjectEntity extends WorldEntity {
    protected final EntityWorld world;

    protected ObjectEntity(EntityWorld world, double x, double y, double z) {
        super(world.entities().nextId(), UUID.randomUUID(), world.lock());
        this.world = world;
        this.x = x;
        this.y = y;
        this.z = z;
        sent.reset(this, 0);
    }

    protected Entities registry() {
        return world.entities();
    }

    public World getWorld() {
        return world.api();
    }

    public boolean teleport(Location location, PlayerTeleportEvent.TeleportCause cause) {
        synchronized (lock) {
            if (isRemoved() || location == null) {
                return false;
            }
            x = location.getX();
            y = location.getY();
            z = location.getZ();
            return true;
        }
    }

    public Server getServer() {
        return world.host().api();
    }

    /**
     * Moves by the motion as the game moves a thing that falls: down onto the first block that
     * stops it (landing on it, on the ground), sideways until a block is in the way. Blocks that
     * stop a thing are those with a body (stopsAt).
     */
    protected void moveWithCollisions() {
        double ny = y + motionY;
        onGround = false;
        if (motionY < 0) {
            int from = (int) Math.floor(y);
            int to = (int) Math.floor(ny);
            for (int by = from - 1; by >= to; by--) {
                if (stopsAt((int) Math.floor(x), by, (int) Math.floor(z))) {
                    ny = by + 1;
                    onGround = true;
                    break;
                }
            }
            if (!onGround && stopsAt((int) Math.floor(x), to, (int) Math.floor(z)) && ny - to < 1e-9) {
                onGround = true;
            }
        } else if (motionY > 0 && stopsAt((int) Math.floor(x), (int) Math.floor(ny + 0.98), (int) Math.floor(z))) {
            ny = y;
            motionY = 0;
        }
        double nx = x + motionX;
        double nz = z + motionZ;
        if (stopsAt((int) Math.floor(nx), (int) Math.floor(ny), (int) Math.floor(z))) {
            nx = x;
            motionX = 0;
        }
        if (stopsAt((int) Math.floor(nx), (int) Math.floor(ny), (int) Math.floor(nz))) {
            nz = z;
            motionZ = 0;
        }
        x = nx;
        y = ny;
        z = nz;
    }

    /** True where a block has a body that stops things (a column not held stops them too). */
    protected boolean stopsAt(int bx, int by, int bz) {
        if (by < 0 || by > 255) {
            return false;
        }
        if (!world.loaded(bx, bz)) {
            return true;
        }
        return Bodies.solid(world.blockAt(bx, by, bz));
    }
}
