package net.cubeworks.world.game.event;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.BlockFace;
import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;
import org.bukkit.event.Event;
import org.bukkit.event.block.Action;
import org.bukkit.event.entity.EntityChangeBlockEvent;
import org.bukkit.event.entity.EntityInteractEvent;
import org.bukkit.event.entity.EntityTeleportEvent;
import org.bukkit.event.player.PlayerInteractEvent;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say when a thing in the world changes a block: a falling block landing, farmland
 * trampled, an enderman taking or putting a block (EntityChangeBlockEvent); when a player or
 * another thing steps on a block that reacts to it, farmland or a pressure plate (a player's
 * PlayerInteractEvent with the PHYSICAL action, the others' EntityInteractEvent, as land
 * protection plugins expect); and when a creature teleports itself (EntityTeleportEvent).
 */
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

    /** True when the thing may act on the block it stepped on (trample it, press it); false when a plugin stopped it. */
    public static boolean steppedOn(GameHost host, World api, Entity who, int x, int y, int z) {
        if (who instanceof Player) {
            if (PlayerInteractEvent.getHandlerList().getRegisteredListeners().length == 0) {
                return true;
            }
            PlayerInteractEvent event = new PlayerInteractEvent((Player) who, Action.PHYSICAL, null,
                    api.getBlockAt(x, y, z), BlockFace.SELF);
            host.callEvent(event);
            return event.useInteractedBlock() != Event.Result.DENY;
        }
        if (EntityInteractEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        EntityInteractEvent event = new EntityInteractEvent(who, api.getBlockAt(x, y, z));
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
