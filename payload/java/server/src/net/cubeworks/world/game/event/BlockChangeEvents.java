package net.cubeworks.world.game.event;

import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.BlockFace;
import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockFromToEvent;
import org.bukkit.event.block.BlockPhysicsEvent;
import org.bukkit.event.player.PlayerBucketEmptyEvent;
import org.bukkit.event.player.PlayerBucketFillEvent;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in what the blocks do by themselves: a neighbour's change reaching a block, a
 * liquid flowing on, a bucket filled or emptied. Each is asked only while a plugin listens; each
 * answers whether the game goes on.
 */
public final class BlockChangeEvents {
    /** The faces of the four ways a liquid spreads, in the game's order: -x, +x, -z, +z. */
    private static final BlockFace[] SIDES = {BlockFace.WEST, BlockFace.EAST, BlockFace.NORTH, BlockFace.SOUTH};

    private BlockChangeEvents() {
    }

    /** A block is told that the block beside it changed (now changedId); false when a plugin cancelled it. */
    public static boolean physics(GameHost host, World api, int x, int y, int z, int changedId) {
        if (BlockPhysicsEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockPhysicsEvent event = new BlockPhysicsEvent(api.getBlockAt(x, y, z), changedId);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /**
     * A liquid at x, y, z flows on: down (side -1) or to one of its four sides (0 to 3 in the
     * game's order -x, +x, -z, +z); false when a plugin stopped it.
     */
    public static boolean flows(GameHost host, World api, int x, int y, int z, int side) {
        if (BlockFromToEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockFromToEvent event = new BlockFromToEvent(api.getBlockAt(x, y, z), side < 0 ? BlockFace.DOWN : SIDES[side]);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /**
     * A player fills a bucket (bucketId in hand) from the liquid at the place, clicked on the face;
     * the answer is the item the hand then holds (filled, or as a plugin set it), or null when a
     * plugin cancelled it.
     */
    public static ItemStack fill(GameHost host, World api, Player who, int x, int y, int z, BlockFace face, int bucketId,
            int filledId) {
        ItemStack result = new ItemStack(filledId, 1);
        if (PlayerBucketFillEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return result;
        }
        PlayerBucketFillEvent event = new PlayerBucketFillEvent(who, api.getBlockAt(x, y, z), face,
                Material.getMaterial(bucketId), result);
        host.callEvent(event);
        return event.isCancelled() ? null : event.getItemStack();
    }

    /** A player empties a bucket against the clicked block's face; as {@link #fill}, with the empty bucket. */
    public static ItemStack empty(GameHost host, World api, Player who, int x, int y, int z, BlockFace face, int bucketId,
            int emptyId) {
        ItemStack result = new ItemStack(emptyId, 1);
        if (PlayerBucketEmptyEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return result;
        }
        PlayerBucketEmptyEvent event = new PlayerBucketEmptyEvent(who, api.getBlockAt(x, y, z), face,
                Material.getMaterial(bucketId), result);
        host.callEvent(event);
        return event.isCancelled() ? null : event.getItemStack();
    }
}
