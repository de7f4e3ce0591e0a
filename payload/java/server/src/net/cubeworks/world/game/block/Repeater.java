package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;

/**
 * A redstone repeater: it takes power from behind and, 1 to 4 redstone ticks (2 to 8 game ticks:
 * bits 2 and 3 of its data, changed by a right click) later, gives full power forward, to the block
 * before it strongly; a pulse shorter than its delay comes out as long as the delay. Bits 0 and 1
 * say which way it faces: the input is at the game's offset of that direction (0 +z, 1 -x, 2 -z,
 * 3 +x), the output opposite. Its updates wait in the world's queue with priority -1, ahead of the
 * others due in the same tick. A powered repeater or comparator pointing into its side locks it: it
 * keeps its state until the lock goes.
 */
final class Repeater extends BlockBehaviour {
    private static final int[][] OFFSET = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    static final int PRIORITY = -1;
    private final boolean on;

    Repeater(boolean on) {
        this.on = on;
    }

    /** The direction (x, z) the repeater gives power to. */
    static int[] front(int meta) {
        int[] o = OFFSET[meta & 3];
        return new int[] {-o[0], -o[1]};
    }

    /** The delay in game ticks. */
    static int delay(int meta) {
        return ((meta >> 2 & 3) + 1) * 2;
    }

    /** The power coming in from behind: a wire's own level, or what the block there gives this way. */
    static int input(BlockWorld w, int x, int y, int z) {
        int[] o = OFFSET[w.metaAt(x, y, z) & 3];
        int bx = x + o[0];
        int bz = z + o[1];
        if (!w.loaded(bx, bz)) {
            return 0;
        }
        if (w.blockAt(bx, y, bz) == BlockIds.REDSTONE_WIRE) {
            return w.metaAt(bx, y, bz);
        }
        return Redstone.from(w, x, y, z, new int[] {o[0], 0, o[1]}, true);
    }

    /** Placed on a solid top, its back toward the player. */
    @Override
    int placedData(PlacedBlock b) {
        return b.onSolidTop() ? (b.quarter() + 2) & 3 : -1;
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        int meta = terrain.metaAt(x, y, z);
        int next = (meta & 3) | ((meta >> 2) + 1 & 3) << 2;
        if (terrain instanceof BlockWorld) {
            ((BlockWorld) terrain).setBlockQuietly(x, y, z, terrain.blockAt(x, y, z), next);
        } else {
            terrain.setBlock(x, y, z, terrain.blockAt(x, y, z), next);
        }
        return true;
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        neighbourChanged(w, x, y, z, BlockIds.AIR);
    }

    /**
     * True when a powered repeater or comparator beside it points into it: a locked repeater holds
     * the state it has, whatever comes from behind.
     */
    static boolean locked(BlockWorld w, int x, int y, int z) {
        int[] o = OFFSET[w.metaAt(x, y, z) & 3];
        for (int s = -1; s <= 1; s += 2) {
            int sx = x + o[1] * s;
            int sz = z - o[0] * s;
            if (!w.loaded(sx, sz)) {
                continue;
            }
            int id = w.blockAt(sx, y, sz);
            if (id != BlockIds.POWERED_REPEATER && !Comparator.isComparator(id)) {
                continue;
            }
            int[] f = front(w.metaAt(sx, y, sz));
            if (f[0] == x - sx && f[1] == z - sz && Redstone.weak(w, sx, y, sz, f[0], 0, f[1], true) > 0) {
                return true;
            }
        }
        return false;
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        if (locked(w, x, y, z)) {
            return;
        }
        int id = w.blockAt(x, y, z);
        boolean wanted = input(w, x, y, z) > 0;
        if (wanted != on && !w.tickPending(x, y, z, id)) {
            w.scheduleTick(x, y, z, id, delay(w.metaAt(x, y, z)), PRIORITY);
        }
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        if (locked(w, x, y, z)) {
            return;
        }
        int meta = w.metaAt(x, y, z);
        boolean wanted = input(w, x, y, z) > 0;
        if (on && !wanted) {
            switchTo(w, x, y, z, BlockIds.REPEATER, meta);
        } else if (!on) {
            switchTo(w, x, y, z, BlockIds.POWERED_REPEATER, meta);
            if (!wanted) {
                w.scheduleTick(x, y, z, BlockIds.POWERED_REPEATER, delay(meta), PRIORITY);
            }
        }
    }

    private static void switchTo(BlockWorld w, int x, int y, int z, int id, int meta) {
        w.setBlockQuietly(x, y, z, id, meta);
        int[] f = front(meta);
        w.tellNeighbours(x, y, z);
        Redstone.tellAround(w, x + f[0], y, z + f[1]);
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        if (on) {
            int[] f = front(oldMeta);
            Redstone.tellAround(w, x + f[0], y, z + f[1]);
        }
    }
}
