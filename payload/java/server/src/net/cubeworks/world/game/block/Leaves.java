package net.cubeworks.world.game.block;

import java.util.ArrayDeque;
import java.util.HashSet;
import java.util.Random;
import java.util.Set;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Leaves and logs, as the game lets leaves decay: when a log or leaves go, the leaves around (four
 * blocks of a log, one of leaves) are marked to check (bit 8 of their data); marked leaves picked
 * at random stay, unmarked, while a log is within four steps through leaves, and otherwise decay
 * (LeavesDecayEvent), giving saplings and apples by the game's chances. Leaves a player placed
 * (bit 4) never decay.
 */
final class Leaves extends BlockBehaviour {
    static final int CHECK = 8;
    static final int PLACED = 4;
    /** How far a log keeps leaves, in steps through leaves. */
    static final int REACH = 4;

    /** A log: taken away, it marks the leaves within four blocks. */
    static final class Log extends BlockBehaviour {
        /** Placed, it lies along the face clicked. */
        @Override
        int placedData(PlacedBlock b) {
            return PlacedData.lying(b.damage & 3, b.face);
        }

        @Override
        public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
            mark(w, x, y, z, REACH);
        }
    }

    /** A player's leaves never decay. */
    @Override
    int placedData(PlacedBlock b) {
        return b.damage & 3 | PLACED;
    }

    static boolean isLeaves(int id) {
        return id == BlockIds.LEAVES || id == BlockIds.LEAVES_2;
    }

    static boolean isLog(int id) {
        return id == BlockIds.LOG || id == BlockIds.LOG_2;
    }

    @Override
    public boolean ticksRandomly() {
        return true;
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        mark(w, x, y, z, 1);
    }

    /** Marks the leaves within r blocks of a place to be checked, telling nobody. */
    static void mark(BlockWorld w, int x, int y, int z, int r) {
        for (int dx = -r; dx <= r; dx++) {
            for (int dz = -r; dz <= r; dz++) {
                if (!w.loaded(x + dx, z + dz)) {
                    continue;
                }
                for (int dy = -r; dy <= r; dy++) {
                    int ly = y + dy;
                    if (ly < 0 || ly > 255) {
                        continue;
                    }
                    int id = w.blockAt(x + dx, ly, z + dz);
                    int data = isLeaves(id) ? w.metaAt(x + dx, ly, z + dz) : 0;
                    if (isLeaves(id) && (data & CHECK) == 0) {
                        w.setBlockQuietly(x + dx, ly, z + dz, id, data | CHECK);
                    }
                }
            }
        }
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        int data = w.metaAt(x, y, z);
        if ((data & CHECK) == 0 || (data & PLACED) != 0) {
            return;
        }
        int id = w.blockAt(x, y, z);
        if (logNear(w, x, y, z)) {
            w.setBlockQuietly(x, y, z, id, data & ~CHECK);
            return;
        }
        if (!GrowthEvents.leavesDecay(w.host(), w.api(), x, y, z)) {
            return;
        }
        Drops.ofBlock(w, x, y, z, id, data & 3);
        w.setBlock(x, y, z, BlockIds.AIR, 0);
    }

    /** True when a log is within REACH steps of the leaves, going through leaves only. */
    static boolean logNear(BlockWorld w, int x, int y, int z) {
        ArrayDeque<int[]> queue = new ArrayDeque<int[]>();
        Set<Long> seen = new HashSet<Long>();
        queue.add(new int[] {x, y, z, 0});
        seen.add(key(x, y, z));
        while (!queue.isEmpty()) {
            int[] c = queue.poll();
            for (int[] d : BlockUpdates.NEIGHBOURS) {
                int nx = c[0] + d[0];
                int ny = c[1] + d[1];
                int nz = c[2] + d[2];
                if (ny < 0 || ny > 255 || !seen.add(key(nx, ny, nz))) {
                    continue;
                }
                if (!w.loaded(nx, nz)) {
                    return true; // what lies beyond the land held is not known: the leaves stay
                }
                int id = w.blockAt(nx, ny, nz);
                if (isLog(id)) {
                    return true;
                }
                if (isLeaves(id) && c[3] + 1 < REACH) {
                    queue.add(new int[] {nx, ny, nz, c[3] + 1});
                }
            }
        }
        return false;
    }

    private static long key(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | y & 0xFFF;
    }
}
