package net.cubeworks.world.game.block;

import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import net.cubeworks.world.game.event.RedstoneEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * One change of power worked out over a net of wire before anything is written: the levels the
 * pieces are to have are kept here, so that each piece is written (and shown, and its plugins
 * asked) once, with its final level, however many ways the change reaches it. A piece's level is
 * the most of what it receives from what is not wire and of the levels of the pieces feeding it,
 * less one; the pieces it feeds are found as those that count it among their feeders.
 */
final class WireNet {
    /** The most pieces one change may go over (a guard against a pathological net). */
    static final int MAX_PIECES = 20000;

    private final BlockWorld w;
    /** The levels worked out, by place, in the order first reached. */
    private final Map<Long, Integer> levels = new LinkedHashMap<Long, Integer>();
    /** What each piece reached receives from what is not wire, by place (made when a change starts: most updates change nothing). */
    private Map<Long, Integer> outside;
    /** Pieces waiting to pass their level on, by level (the strongest first). */
    @SuppressWarnings("unchecked")
    private final ArrayDeque<long[]>[] waiting = new ArrayDeque[16];

    WireNet(BlockWorld w) {
        this.w = w;
    }

    static long key(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | y & 0xFFF;
    }

    private static int kx(long k) {
        return (int) (k >> 38);
    }

    private static int ky(long k) {
        return (int) (k & 0xFFF);
    }

    private static int kz(long k) {
        return (int) (k << 26 >> 38);
    }


    private int level(int x, int y, int z) {
        Integer l = levels.get(key(x, y, z));
        return l != null ? l : w.metaAt(x, y, z);
    }

    private int outside(int x, int y, int z) {
        if (outside == null) {
            return Redstone.received(w, x, y, z, false);
        }
        long k = key(x, y, z);
        Integer o = outside.get(k);
        if (o == null) {
            o = Redstone.received(w, x, y, z, false);
            outside.put(k, o);
        }
        return o;
    }

    /**
     * The pieces feeding the wire at x, y, z, as packed places: beside it, a step up where the
     * block beside is solid and nothing solid covers it, a step down where the block beside is not.
     */
    private long[] feeders(int x, int y, int z) {
        long[] out = new long[4];
        int n = 0;
        boolean coveredAbove = Redstone.conductor(Wire.id(w, x, y + 1, z));
        for (int[] s : Wire.SIDES) {
            int nx = x + s[0];
            int nz = z + s[1];
            if (Wire.wireAt(w, nx, y, nz)) {
                out[n++] = key(nx, y, nz);
            } else if (Redstone.conductor(Wire.id(w, nx, y, nz))) {
                if (!coveredAbove && Wire.wireAt(w, nx, y + 1, nz)) {
                    out[n++] = key(nx, y + 1, nz);
                }
            } else if (Wire.wireAt(w, nx, y - 1, nz)) {
                out[n++] = key(nx, y - 1, nz);
            }
        }
        return n == 4 ? out : java.util.Arrays.copyOf(out, n);
    }

    /** The pieces the wire at x, y, z feeds. */
    private List<long[]> fed(int x, int y, int z) {
        long self = key(x, y, z);
        List<long[]> out = new ArrayList<long[]>(4);
        for (int[] s : Wire.SIDES) {
            for (int dy = -1; dy <= 1; dy++) {
                int nx = x + s[0];
                int ny = y + dy;
                int nz = z + s[1];
                if (!Wire.wireAt(w, nx, ny, nz)) {
                    continue;
                }
                for (long f : feeders(nx, ny, nz)) {
                    if (f == self) {
                        out.add(new long[] {nx, ny, nz});
                        break;
                    }
                }
            }
        }
        return out;
    }

    /** The level the wire at x, y, z should have, by the levels worked out so far. */
    int wanted(int x, int y, int z) {
        int power = outside(x, y, z);
        for (long f : feeders(x, y, z)) {
            power = Math.max(power, level(kx(f), ky(f), kz(f)) - 1);
        }
        return Math.max(0, Math.min(15, power));
    }

    private void set(int x, int y, int z, int level) {
        levels.put(key(x, y, z), level);
        if (level > 0) {
            if (waiting[level] == null) {
                waiting[level] = new ArrayDeque<long[]>();
            }
            waiting[level].add(new long[] {x, y, z, level});
        }
    }

    /** The wire at x, y, z rises to level: the pieces it feeds rise after it. */
    void raise(int x, int y, int z, int level) {
        outside = new HashMap<Long, Integer>();
        set(x, y, z, level);
        spread();
    }

    /**
     * The wire at x, y, z falls from old: every piece it fed with less than the level that came to
     * it is taken to nothing, and so on from those; then each such piece takes what it receives
     * and the levels spread again.
     */
    void lower(int x, int y, int z, int old) {
        outside = new HashMap<Long, Integer>();
        ArrayDeque<long[]> queue = new ArrayDeque<long[]>();
        List<long[]> dark = new ArrayList<long[]>();
        levels.put(key(x, y, z), 0);
        queue.add(new long[] {x, y, z, old});
        dark.add(new long[] {x, y, z});
        while (!queue.isEmpty() && levels.size() < MAX_PIECES) {
            long[] p = queue.poll();
            for (long[] q : fed((int) p[0], (int) p[1], (int) p[2])) {
                int qx = (int) q[0];
                int qy = (int) q[1];
                int qz = (int) q[2];
                int l = level(qx, qy, qz);
                if (l > 0 && l < p[3]) {
                    levels.put(key(qx, qy, qz), 0);
                    queue.add(new long[] {qx, qy, qz, l});
                    dark.add(q);
                }
            }
        }
        for (long[] p : dark) {
            int l = wanted((int) p[0], (int) p[1], (int) p[2]);
            if (l > 0) {
                set((int) p[0], (int) p[1], (int) p[2], l);
            }
        }
        spread();
    }

    /** Passes levels on, strongest first, to the pieces fed that have less than one below. */
    private void spread() {
        for (int l = 15; l > 1; l--) {
            while (waiting[l] != null && !waiting[l].isEmpty()) {
                long[] p = waiting[l].poll();
                int x = (int) p[0];
                int y = (int) p[1];
                int z = (int) p[2];
                if (level(x, y, z) != l) {
                    continue;
                }
                for (long[] q : fed(x, y, z)) {
                    if (level((int) q[0], (int) q[1], (int) q[2]) < l - 1 && levels.size() < MAX_PIECES) {
                        set((int) q[0], (int) q[1], (int) q[2], l - 1);
                    }
                }
            }
        }
        waiting[1] = null;
    }

    /**
     * Writes each piece whose level changed, once, after the plugins' BlockRedstoneEvent (which
     * may change the level written); returns the pieces written.
     */
    List<int[]> write() {
        List<int[]> changed = new ArrayList<int[]>();
        for (Map.Entry<Long, Integer> e : levels.entrySet()) {
            long k = e.getKey();
            int x = kx(k);
            int y = ky(k);
            int z = kz(k);
            if (!Wire.wireAt(w, x, y, z)) {
                continue;
            }
            int old = w.metaAt(x, y, z);
            int now = e.getValue();
            if (now == old) {
                continue;
            }
            now = Math.max(0, Math.min(15, RedstoneEvents.change(w.host(), w.api(), x, y, z, old, now)));
            if (now == old) {
                continue;
            }
            w.setBlockQuietly(x, y, z, BlockIds.REDSTONE_WIRE, now);
            changed.add(new int[] {x, y, z});
        }
        return changed;
    }
}
