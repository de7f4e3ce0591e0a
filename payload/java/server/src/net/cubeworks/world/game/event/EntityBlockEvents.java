package net.cubeworks.world.game.event;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.Entity;
import org.bukkit.event.entity.EntityChangeBlockEvent;
import org.bukkit.event.entity.EntityTeleportEvent;

import net.cubeworks.world.game.thread.GameHost;

/** A creature that changes a block (an enderman taking or putting one) or teleports itself. */
public final class EntityBlockEvents {
    private EntityBlockEvents() {
    }

    /** True: the block becomes the id and data. */
    @SuppressWarnings("deprecation")
    public static boolean changeBlock(GameHost host, Entity e, World world, int x, int y, int z, int to, int data) {
        if (EntityChangeBlockEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        Block block = world.getBlockAt(x, y, z);
        EntityChangeBlockEvent event = new EntityChangeBlockEvent(e, block, Material.getMaterial(to), (byte) data);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** Where the teleport goes as the plugins leave it, or null when cancelled. */
    public static Location teleport(GameHost host, Entity e, Location from, Location to) {
        if (EntityTeleportEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return to;
        }
        EntityTeleportEvent event = new EntityTeleportEvent(e, from, to);
        host.callEvent(event);
        return event.isCancelled() ? null : event.getTo();
    }
}
