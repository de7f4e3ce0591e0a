package net.cubeworks.world.game.event;

import org.bukkit.World;
import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockBurnEvent;
import org.bukkit.event.block.BlockIgniteEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say in fire: a block set alight (by a player, lava or fire spreading) and a block burnt away. */
public final class FireEvents {
    private FireEvents() {
    }

    /**
     * Fire is about to be lit at the place, by the cause; by a player (or null), or spreading from
     * the block at from (or null). False when a plugin stopped it.
     */
    public static boolean ignite(GameHost host, World api, int x, int y, int z, BlockIgniteEvent.IgniteCause cause,
            Player player, int[] from) {
        if (BlockIgniteEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockIgniteEvent event = player != null
                ? new BlockIgniteEvent(api.getBlockAt(x, y, z), cause, player)
                : new BlockIgniteEvent(api.getBlockAt(x, y, z), cause,
                        from == null ? null : api.getBlockAt(from[0], from[1], from[2]));
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** A block is about to burn away; false when a plugin keeps it. */
    public static boolean burn(GameHost host, World api, int x, int y, int z) {
        if (BlockBurnEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockBurnEvent event = new BlockBurnEvent(api.getBlockAt(x, y, z));
        host.callEvent(event);
        return !event.isCancelled();
    }
}
