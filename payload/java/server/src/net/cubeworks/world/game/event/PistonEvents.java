package net.cubeworks.world.game.event;

import org.bukkit.World;
import org.bukkit.block.BlockFace;
import org.bukkit.event.block.BlockPistonExtendEvent;
import org.bukkit.event.block.BlockPistonRetractEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say in a piston's move: BlockPistonExtendEvent (with the blocks it pushes) and BlockPistonRetractEvent. */
public final class PistonEvents {
    /** The faces in the order of a piston's data: down, up, north (-z), south (+z), west (-x), east (+x). */
    private static final BlockFace[] FACES = {BlockFace.DOWN, BlockFace.UP, BlockFace.NORTH, BlockFace.SOUTH,
        BlockFace.WEST, BlockFace.EAST};

    private PistonEvents() {
    }

    /** True when the piston at the place may extend toward facing, pushing length blocks. */
    public static boolean extend(GameHost host, World api, int x, int y, int z, int facing, int length) {
        if (api == null || BlockPistonExtendEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockPistonExtendEvent event = new BlockPistonExtendEvent(api.getBlockAt(x, y, z), length, FACES[facing]);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** True when the piston at the place may draw its head back from facing. */
    public static boolean retract(GameHost host, World api, int x, int y, int z, int facing) {
        if (api == null || BlockPistonRetractEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockPistonRetractEvent event = new BlockPistonRetractEvent(api.getBlockAt(x, y, z), FACES[facing]);
        host.callEvent(event);
        return !event.isCancelled();
    }
}
