package net.cubeworks.world.game.block;

import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.game.event.RedstoneEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Redstone wire: its data is its power, the most of what it receives from what is not wire and of
 * the wire it connects to (beside it, or a step up or down where no solid block is in the way)
 * less one, so a line carries power 15 blocks. It powers the block under it and the ways it points:
 * along its line, toward what it connects to, or every way for a dot with no connection. A change
 * spreads along the wire at once, then what is around each changed piece is told.
 */
final class Wire extends BlockBehaviour {
    /** The most pieces one change may go over (a guard against a pathological net). */
    static final int MAX_STEPS = 20000;
    private static final int[][] SIDES = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

    private static boolean wireAt(BlockWorld w, int x, int y, int z) {
        return y >= 0 && y <= 255 && w.loaded(x, z) && w.blockAt(x, y, z) == BlockIds.REDSTONE_WIRE;
    }

    private static int id(BlockWorld w, int x, int y, int z) {
        return y < 0 || y > 255 || !w.loaded(x, z) ? BlockIds.AIR : w.blockAt(x, y, z);
    }

    /** True when the wire at x, y, z connects toward the side (sx, sz). */
    static boolean connects(BlockWorld w, int x, int y, int z, int sx, int sz) {
        int nx = x + sx;
        int nz = z + sz;
        int n = id(w, nx, y, nz);
        if (n == BlockIds.REDSTONE_WIRE || Redstone.component(n) && n != BlockIds.REPEATER && n != BlockIds.POWERED_REPEATER) {
            return true;
        }
        if (n == BlockIds.REPEATER || n == BlockIds.POWERED_REPEATER) {
            int[] f = Repeater.front(w.metaAt(nx, y, nz));
            return f[0] == sx && f[1] == sz || f[0] == -sx && f[1] == -sz;
        }
        if (!Redstone.conductor(n) && wireAt(w, nx, y - 1, nz)) {
            return true;
        }
        return !Redstone.conductor(id(w, x, y + 1, z)) && wireAt(w, nx, y + 1, nz);
    }

    /** The weak power of the wire at x, y, z toward (x+dx, y+dy, z+dz). */
    static int weak(BlockWorld w, int x, int y, int z, int dx, int dy, int dz) {
        int power = w.metaAt(x, y, z);
        if (power == 0 || dy == 1) {
            return 0;
        }
        if (dy == -1) {
            return power;
        }
        boolean[] c = new boolean[4];
        int count = 0;
        for (int i = 0; i < 4; i++) {
            c[i] = connects(w, x, y, z, SIDES[i][0], SIDES[i][1]);
            count += c[i] ? 1 : 0;
        }
        for (int i = 0; i < 4; i++) {
            if (SIDES[i][0] != dx || SIDES[i][1] != dz) {
                continue;
            }
            return count == 0 || c[i] || count == 1 && c[i ^ 1] ? power : 0;
        }
        return 0;
    }

    /** The power the wire at x, y, z should have now. */
    static int wanted(BlockWorld w, int x, int y, int z) {
        int power = Redstone.received(w, x, y, z, false);
        boolean coveredAbove = Redstone.conductor(id(w, x, y + 1, z));
        for (int[] s : SIDES) {
            int nx = x + s[0];
            int nz = z + s[1];
            if (wireAt(w, nx, y, nz)) {
                power = Math.max(power, w.metaAt(nx, y, nz) - 1);
            } else if (Redstone.conductor(id(w, nx, y, nz))) {
                if (!coveredAbove && wireAt(w, nx, y + 1, nz)) {
                    power = Math.max(power, w.metaAt(nx, y + 1, nz) - 1);
                }
            } else if (wireAt(w, nx, y - 1, nz)) {
                power = Math.max(power, w.metaAt(nx, y - 1, nz) - 1);
            }
        }
        return Math.max(0, power);
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        update(w, x, y, z);
        Redstone.tellAround(w, x, y, z);
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        Redstone.tellAround(w, x, y, z);
        for (int[] s : SIDES) {
            for (int dy = -1; dy <= 1; dy++) {
                if (wireAt(w, x + s[0], y + dy, z + s[1])) {
                    update(w, x + s[0], y + dy, z + s[1]);
                }
            }
        }
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        update(w, x, y, z);
    }

    /** Brings the wire at x, y, z and the wire it reaches to the power they should have; what is around each changed piece is told. */
    static void update(BlockWorld w, int x, int y, int z) {
        ArrayDeque<int[]> queue = new ArrayDeque<int[]>();
        List<int[]> changed = new ArrayList<int[]>();
        queue.add(new int[] {x, y, z});
        int steps = 0;
        while (!queue.isEmpty() && steps++ < MAX_STEPS) {
            int[] p = queue.poll();
            if (!wireAt(w, p[0], p[1], p[2])) {
                continue;
            }
            int old = w.metaAt(p[0], p[1], p[2]);
            int now = wanted(w, p[0], p[1], p[2]);
            if (now == old) {
                continue;
            }
            now = Math.max(0, Math.min(15, RedstoneEvents.change(w.host(), w.api(), p[0], p[1], p[2], old, now)));
            if (now == old) {
                continue;
            }
            w.setBlockQuietly(p[0], p[1], p[2], BlockIds.REDSTONE_WIRE, now);
            changed.add(p);
            for (int[] s : SIDES) {
                for (int dy = -1; dy <= 1; dy++) {
                    if (wireAt(w, p[0] + s[0], p[1] + dy, p[2] + s[1])) {
                        queue.add(new int[] {p[0] + s[0], p[1] + dy, p[2] + s[1]});
                    }
                }
            }
        }
        for (int[] p : changed) {
            Redstone.tellAround(w, p[0], p[1], p[2]);
        }
    }
}
