package net.cubeworks.world.level;

/**
 * Keeps light right where blocks change, across the columns a {@link Lights} knows: the light a
 * changed block held (and whatever depended on it) is taken away, then light spreads back in from
 * what is left around, so shadows fall and lit places light up as the game shows them.
 */
public final class Relight {
    /** The world's light as this class reads and changes it, by block coordinates. */
    public interface Lights {
        /** The column at block x, z, or null when it is not in memory (its light is left alone). */
        Column column(int x, int z);
    }

    private Relight() {
    }

    private static final int[] DX = {-1, 1, 0, 0, 0, 0};
    private static final int[] DY = {0, 0, 0, 0, -1, 1};
    private static final int[] DZ = {0, 0, -1, 1, 0, 0};

    /** Relights sky and block light around the block at x, y, z after it changed. */
    public static void around(Lights w, int x, int y, int z) {
        Column c = w.column(x, z);
        if (c == null || !c.lit() || y < 0 || y > 255) {
            return;
        }
        relight(w, x, y, z, true);
        relight(w, x, y, z, false);
    }

    /**
     * Brings light across the border between two lit columns side by side: where one side is
     * brighter by more than a block's loss, its light spreads into the other. Light only grows
     * here, so borders may be done in any order. Marks the border done on both columns; returns
     * true when any light changed.
     */
    public static boolean acrossBorder(Lights w, Column a, Column b) {
        if (!a.lit() || !b.lit()) {
            return false;
        }
        boolean alongX = a.x != b.x; // the border is a plane of constant x
        Column west = alongX ? (a.x < b.x ? a : b) : (a.z < b.z ? a : b);
        Column east = west == a ? b : a;
        west.litBorders |= alongX ? 2 : 8;
        east.litBorders |= alongX ? 1 : 4;
        int top = Math.min(255, Math.max(topY(a), topY(b)));
        Queue q = QUEUES.get()[0];
        boolean changed = false;
        for (int sky = 0; sky < 2; sky++) {
            q.clear();
            for (int y = 0; y <= top; y++) {
                for (int i = 0; i < 16; i++) {
                    int wx = alongX ? 15 : i;
                    int wz = alongX ? i : 15;
                    int ex = alongX ? 0 : i;
                    int ez = alongX ? i : 0;
                    int lw = sky == 1 ? west.sky(wx, y, wz) : west.blockLight(wx, y, wz);
                    int le = sky == 1 ? east.sky(ex, y, ez) : east.blockLight(ex, y, ez);
                    if (lw > le + 1) {
                        q.push((west.x << 4) + wx, y, (west.z << 4) + wz);
                    } else if (le > lw + 1) {
                        q.push((east.x << 4) + ex, y, (east.z << 4) + ez);
                    }
                }
            }
            changed |= q.size() > 0;
            spread(w, q, sky == 1);
        }
        return changed;
    }

    private static int topY(Column c) {
        for (int sy = 15; sy >= 0; sy--) {
            if (c.hasSection(sy)) {
                return (sy << 4) + 15;
            }
        }
        return -1;
    }

    static int get(Lights w, int x, int y, int z, boolean sky) {
        if (y < 0) {
            return 0;
        }
        if (y > 255) {
            return sky ? 15 : 0;
        }
        Column c = w.column(x, z);
        if (c == null || !c.lit()) {
            return 0;
        }
        return sky ? c.sky(x & 15, y, z & 15) : c.blockLight(x & 15, y, z & 15);
    }

    /** False where the light cannot be kept: outside the world, a column not in memory, an empty section. */
    private static boolean settable(Lights w, int x, int y, int z) {
        if (y < 0 || y > 255) {
            return false;
        }
        Column c = w.column(x, z);
        return c != null && c.lit() && c.hasSection(y >> 4);
    }

    private static void set(Lights w, int x, int y, int z, boolean sky, int v) {
        Column c = w.column(x, z);
        if (sky) {
            c.setSky(x & 15, y, z & 15, v);
        } else {
            c.setBlockLight(x & 15, y, z & 15, v);
        }
    }

    private static int blockId(Lights w, int x, int y, int z) {
        Column c = w.column(x, z);
        return c == null || y < 0 || y > 255 ? 0 : c.block(x & 15, y, z & 15);
    }

    private static void relight(Lights w, int x, int y, int z, boolean sky) {
        Queue[] queues = QUEUES.get();
        Queue removal = queues[0];
        Queue refill = queues[1];
        removal.clear();
        refill.clear();
        int old = get(w, x, y, z, sky);
        if (settable(w, x, y, z)) {
            set(w, x, y, z, sky, 0);
        }
        removal.push(x, y, z, old);
        while (removal.size() > 0) {
            int cx = removal.x();
            int cy = removal.y();
            int cz = removal.z();
            int lc = removal.level();
            removal.pop();
            for (int d = 0; d < 6; d++) {
                int nx = cx + DX[d];
                int ny = cy + DY[d];
                int nz = cz + DZ[d];
                if (ny < 0 || ny > 255 || w.column(nx, nz) == null) {
                    continue;
                }
                int ln = get(w, nx, ny, nz, sky);
                if (ln == 0) {
                    continue;
                }
                boolean dependent = ln < lc || (sky && d == 4 && lc == 15 && ln == 15);
                if (!dependent || !settable(w, nx, ny, nz)) {
                    refill.push(nx, ny, nz);
                    continue;
                }
                set(w, nx, ny, nz, sky, 0);
                removal.push(nx, ny, nz, ln);
                if (!sky) {
                    int e = BlockLight.emitted(blockId(w, nx, ny, nz));
                    if (e > 0) {
                        set(w, nx, ny, nz, false, e);
                        refill.push(nx, ny, nz);
                    }
                }
            }
        }
        if (!sky) {
            int e = BlockLight.emitted(blockId(w, x, y, z));
            if (e > 0 && settable(w, x, y, z)) {
                set(w, x, y, z, false, e);
            }
        }
        refill.push(x, y, z);
        for (int d = 0; d < 6; d++) {
            refill.push(x + DX[d], y + DY[d], z + DZ[d]);
        }
        spread(w, refill, sky);
    }

    /** Spreads light outward from the queued cells wherever it raises a neighbour's. */
    private static void spread(Lights w, Queue q, boolean sky) {
        while (q.size() > 0) {
            int cx = q.x();
            int cy = q.y();
            int cz = q.z();
            q.pop();
            if (cy < 0 || cy > 255 || w.column(cx, cz) == null) {
                continue;
            }
            int l = get(w, cx, cy, cz, sky);
            if (l <= 1) {
                continue;
            }
            for (int d = 0; d < 6; d++) {
                int nx = cx + DX[d];
                int ny = cy + DY[d];
                int nz = cz + DZ[d];
                if (!settable(w, nx, ny, nz)) {
                    continue;
                }
                int o = BlockLight.opacity(blockId(w, nx, ny, nz));
                int nl = sky && d == 4 && l == 15 && o == 0 ? 15 : l - Math.max(1, o);
                if (nl > get(w, nx, ny, nz, sky)) {
                    set(w, nx, ny, nz, sky, nl);
                    q.push(nx, ny, nz);
                }
            }
        }
    }

    /** Two queues per thread, emptied for each use: relighting makes no garbage of its own. */
    private static final ThreadLocal<Queue[]> QUEUES = new ThreadLocal<Queue[]>() {
        protected Queue[] initialValue() {
            return new Queue[] {new Queue(), new Queue()};
        }
    };

    /** A growing first-in first-out queue of cells (x, y, z and a light level). */
    static final class Queue {
        private int[] items = new int[4 * 256];
        private int head;
        private int tail;

        void clear() {
            head = 0;
            tail = 0;
        }

        int size() {
            return (tail - head) / 4;
        }

        void push(int x, int y, int z) {
            push(x, y, z, 0);
        }

        void push(int x, int y, int z, int level) {
            if (tail + 4 > items.length) {
                int live = tail - head;
                int[] n = live * 2 + 4 > items.length ? new int[items.length * 2] : items;
                System.arraycopy(items, head, n, 0, live);
                items = n;
                head = 0;
                tail = live;
            }
            items[tail] = x;
            items[tail + 1] = y;
            items[tail + 2] = z;
            items[tail + 3] = level;
            tail += 4;
        }

        int x() {
            return items[head];
        }

        int y() {
            return items[head + 1];
        }

        int z() {
            return items[head + 2];
        }

        int level() {
            return items[head + 3];
        }

        void pop() {
            head += 4;
        }
    }
}
