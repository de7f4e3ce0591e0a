package net.cubeworks.world.game.event;

import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.event.entity.EntityChangeBlockEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say when a thing in the world changes a block: a falling block landing, farmland trampled (EntityChangeBlockEvent). */
public final class EntityBlockEvents {
    private EntityBlockEvents() {
    }

    /** True when the entity may change the block at the place to toId with toData; false when a plugin stopped it. */
    @SuppressWarnings("deprecation")
    public static boolean change(GameHost host, World api, Entity who, int x, int y, int z, int toId, int toData) {
        if (EntityChangeBlockEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        Material to = Material.getMaterial(toId);
        EntityChangeBlockEvent event = new EntityChangeBlockEvent(who, api.getBlockAt(x, y, z), to != null ? to : Material.AIR,
                (byte) toData);
        host.callEvent(event);
        return !event.isCancelled();
    }
}
