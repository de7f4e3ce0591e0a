package net.cubeworks.world.game.event;

import org.bukkit.World;
import org.bukkit.event.block.BlockRedstoneEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say in redstone: a lever, button or wire whose current changes (BlockRedstoneEvent). */
public final class RedstoneEvents {
    private RedstoneEvents() {
    }

    /** The current the block at the place goes to from old: the new one, or what a plugin set instead. */
    public static int change(GameHost host, World api, int x, int y, int z, int old, int current) {
        if (BlockRedstoneEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return current;
        }
        BlockRedstoneEvent event = new BlockRedstoneEvent(api.getBlockAt(x, y, z), old, current);
        host.callEvent(event);
        return event.getNewCurrent();
    }
}
