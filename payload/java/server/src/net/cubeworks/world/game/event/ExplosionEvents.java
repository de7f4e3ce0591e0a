package net.cubeworks.world.game.event;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.Entity;
import org.bukkit.event.entity.EntityExplodeEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say in an explosion a thing in the world sets off (primed TNT): which blocks it takes, how many drop. */
public final class ExplosionEvents {
    /** What an explosion goes on with: its blocks, each {x, y, z}, and the chance each gives its items. */
    public static final class Blast {
        public final List<int[]> blocks;
        public final float yield;

        Blast(List<int[]> blocks, float yield) {
            this.blocks = blocks;
            this.yield = yield;
        }
    }

    private ExplosionEvents() {
    }

    /**
     * The entity explodes at the place, taking the blocks; the answer is the blocks and yield the
     * plugins leave (EntityExplodeEvent), or null when one cancelled it (no block is taken).
     */
    public static Blast byEntity(GameHost host, World api, Entity source, double x, double y, double z,
            List<int[]> blocks, float yield) {
        if (EntityExplodeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new Blast(blocks, yield);
        }
        List<Block> list = new ArrayList<Block>();
        for (int[] b : blocks) {
            list.add(api.getBlockAt(b[0], b[1], b[2]));
        }
        EntityExplodeEvent event = new EntityExplodeEvent(source, new Location(api, x, y, z), list, yield);
        host.callEvent(event);
        if (event.isCancelled()) {
            return null;
        }
        List<int[]> out = new ArrayList<int[]>();
        for (Block b : event.blockList()) {
            if (b != null) {
                out.add(new int[] {b.getX(), b.getY(), b.getZ()});
            }
        }
        return new Blast(out, event.getYield());
    }
}
