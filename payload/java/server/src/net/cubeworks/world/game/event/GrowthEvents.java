package net.cubeworks.world.game.event;

import java.util.List;

import org.bukkit.Location;
import org.bukkit.TreeType;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.block.BlockState;
import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockFadeEvent;
import org.bukkit.event.block.BlockFormEvent;
import org.bukkit.event.block.BlockGrowEvent;
import org.bukkit.event.block.BlockSpreadEvent;
import org.bukkit.event.block.LeavesDecayEvent;
import org.bukkit.event.world.StructureGrowEvent;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in what grows and fades by itself: crops growing, grass spreading, grass dying,
 * ice melting and water freezing, leaves decaying, trees growing from saplings. Each is asked only
 * while a plugin listens. A change asked about answers the block a plugin leaves in the event's new
 * state, {id, data}, or null when it cancelled the change.
 */
public final class GrowthEvents {
    private GrowthEvents() {
    }

    /** The state the block at the place would have with the new id and data, not yet applied. */
    private static BlockState next(Block block, int id, int data) {
        BlockState s = block.getState();
        s.setTypeId(id);
        s.setRawData((byte) data);
        return s;
    }

    private static int[] answer(BlockState s) {
        return new int[] {s.getTypeId(), s.getRawData() & 15};
    }

    /** A crop, stem, cane or cactus grows: the block at the place becomes id, data (BlockGrowEvent). */
    public static int[] grow(GameHost host, World api, int x, int y, int z, int id, int data) {
        if (BlockGrowEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new int[] {id, data};
        }
        Block b = api.getBlockAt(x, y, z);
        BlockState s = next(b, id, data);
        BlockGrowEvent event = new BlockGrowEvent(b, s);
        host.callEvent(event);
        return event.isCancelled() ? null : answer(s);
    }

    /** Grass spreads from the source to the place (BlockSpreadEvent). */
    public static int[] spread(GameHost host, World api, int x, int y, int z, int fromX, int fromY, int fromZ, int id,
            int data) {
        if (BlockSpreadEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new int[] {id, data};
        }
        Block b = api.getBlockAt(x, y, z);
        BlockState s = next(b, id, data);
        BlockSpreadEvent event = new BlockSpreadEvent(b, api.getBlockAt(fromX, fromY, fromZ), s);
        host.callEvent(event);
        return event.isCancelled() ? null : answer(s);
    }

    /** A block fades into another (grass dying, ice melting, farmland drying: BlockFadeEvent). */
    public static int[] fade(GameHost host, World api, int x, int y, int z, int id, int data) {
        if (BlockFadeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new int[] {id, data};
        }
        Block b = api.getBlockAt(x, y, z);
        BlockState s = next(b, id, data);
        BlockFadeEvent event = new BlockFadeEvent(b, s);
        host.callEvent(event);
        return event.isCancelled() ? null : answer(s);
    }

    /** A block forms by the weather (water freezing: BlockFormEvent). */
    public static int[] form(GameHost host, World api, int x, int y, int z, int id, int data) {
        if (BlockFormEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new int[] {id, data};
        }
        Block b = api.getBlockAt(x, y, z);
        BlockState s = next(b, id, data);
        BlockFormEvent event = new BlockFormEvent(b, s);
        host.callEvent(event);
        return event.isCancelled() ? null : answer(s);
    }

    /** Leaves with no log near decay; false when a plugin keeps them. */
    public static boolean leavesDecay(GameHost host, World api, int x, int y, int z) {
        if (LeavesDecayEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        LeavesDecayEvent event = new LeavesDecayEvent(api.getBlockAt(x, y, z));
        host.callEvent(event);
        return !event.isCancelled();
    }

    /**
     * A sapling grows into a tree of the blocks given as {x, y, z, id, data}; the answer is the
     * blocks a plugin leaves in the event (each {x, y, z, id, data}), or null when it cancelled the
     * growth. player is the one whose bone meal did it, or null.
     */
    public static List<int[]> structureGrow(GameHost host, World api, int x, int y, int z, TreeType species,
            boolean bonemeal, Player player, List<int[]> blocks) {
        if (StructureGrowEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return blocks;
        }
        List<BlockState> states = new java.util.ArrayList<BlockState>();
        for (int[] b : blocks) {
            states.add(next(api.getBlockAt(b[0], b[1], b[2]), b[3], b[4]));
        }
        StructureGrowEvent event = new StructureGrowEvent(new Location(api, x, y, z), species, bonemeal, player, states);
        host.callEvent(event);
        if (event.isCancelled()) {
            return null;
        }
        List<int[]> out = new java.util.ArrayList<int[]>();
        for (BlockState s : event.getBlocks()) {
            out.add(new int[] {s.getX(), s.getY(), s.getZ(), s.getTypeId(), s.getRawData() & 15});
        }
        return out;
    }
}
