package net.cubeworks.world.game.mob;

import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.WorldEntity;

/** A lifeless entity of the mobs' world (an arrow): the plugin API's members of an entity on its state. */
abstract class Thing extends WorldEntity {
    final Mobs mobs;

    Thing(Mobs mobs) {
        super(mobs.world.entities().nextId(), UUID.randomUUID(), mobs.world.lock());
        this.mobs = mobs;
    }

    protected Entities registry() {
        return mobs.world.entities();
    }

    public World getWorld() {
        return mobs.world.api();
    }

    public Server getServer() {
        return mobs.world.host().api();
    }

    public boolean teleport(Location location, TeleportCause cause) {
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

}
