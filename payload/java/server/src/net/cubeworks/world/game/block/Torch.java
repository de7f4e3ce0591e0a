package net.cubeworks.world.game.block;

import java.util.ArrayDeque;
import java.util.HashMap;
import java.util.Map;
import java.util.Random;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * A redstone torch: lit, it gives power 15 to every side but the block it is on, and strong power
 * to the block above; it goes out 2 ticks after the block it is on is powered, and lights again 2
 * ticks after that power goes. One that has gone out 8 times within 60 ticks burns out, with a
 * fizz, and looks at its power again only 160 ticks later.
 */
final class Torch extends BlockBehaviour {
    static final int DELAY = 2;
    static final int BURN_OUT_TOGGLES = 8;
    static final int BURN_OUT_TICKS = 60;
    /** How long a burnt-out torch waits before it looks at its power again. */
    static final int BURNT_WAIT = 160;
    private final boolean lit;
    /** The times each torch went out lately, by place. */
    private final Map<Long, ArrayDeque<Long>> recent;

    Torch(boolean lit, Map<Long, ArrayDeque<Long>> recent) {
        this.lit = lit;
        this.recent = recent;
    }

    static Map<Long, ArrayDeque<Long>> newRecord() {
        return new HashMap<Long, ArrayDeque<Long>>();
    }

    private static long key(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | y & 0xFFF;
    }

    /** True when the block the torch is on is powered. */
    static boolean inputPowered(BlockWorld w, int x, int y, int z) {
        int[] a = Switches.torchAttached(w.metaAt(x, y, z));
        return Redstone.from(w, x, y, z, a, true) > 0;
    }

    /** The times the torch at the place went out within the last 60 ticks, the oldest forgotten. */
    private ArrayDeque<Long> outs(BlockWorld w, int x, int y, int z) {
        long k = key(x, y, z);
        ArrayDeque<Long> q = recent.get(k);
        if (q == null) {
            q = new ArrayDeque<Long>();
            recent.put(k, q);
        }
        while (!q.isEmpty() && w.worldTime() - q.peekFirst() > BURN_OUT_TICKS) {
            q.pollFirst();
        }
        if (q.isEmpty()) {
            recent.remove(k);
        }
        return q;
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        if (lit) {
            Redstone.tellAround(w, x, y, z);
        }
        w.scheduleTick(x, y, z, w.blockAt(x, y, z), DELAY, 0);
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        if (lit) {
            Redstone.tellAround(w, x, y, z);
        }
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        int id = w.blockAt(x, y, z);
        if (lit == inputPowered(w, x, y, z) && !w.tickPending(x, y, z, id)) {
            w.scheduleTick(x, y, z, id, DELAY, 0);
        }
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        boolean powered = inputPowered(w, x, y, z);
        int meta = w.metaAt(x, y, z);
        ArrayDeque<Long> outs = outs(w, x, y, z);
        if (lit && powered) {
            w.setBlockQuietly(x, y, z, BlockIds.UNLIT_REDSTONE_TORCH, meta);
            Redstone.tellAround(w, x, y, z);
            outs.addLast(w.worldTime());
            recent.put(key(x, y, z), outs);
            if (outs.size() >= BURN_OUT_TOGGLES) {
                w.playSound("random.fizz", x + 0.5, y + 0.5, z + 0.5, 0.5f,
                        2.6f + (random.nextFloat() - random.nextFloat()) * 0.8f);
                w.scheduleTick(x, y, z, BlockIds.UNLIT_REDSTONE_TORCH, BURNT_WAIT, 0);
            }
        } else if (!lit && !powered && outs.size() < BURN_OUT_TOGGLES) {
            w.setBlockQuietly(x, y, z, BlockIds.REDSTONE_TORCH, meta);
            Redstone.tellAround(w, x, y, z);
        }
    }
}
