package net.cubeworks.world.level;

/**
 * Computes the sky light and block light of one column by itself, as the game lights a new
 * column: sunlight falls straight down undimmed through clear blocks, loses what each block it
 * passes takes (and at least 1 a block once dimmed), then every light spreads to the six
 * neighbours losing at least 1 a block. Light from beyond the column's sides is not known here;
 * {@link Relight#acrossBorder} brings it in once a neighbour is there.
 */
public final class ColumnLight {
    private ColumnLight() {
    }

    /** Lights the column, marks it lit and packs it small (see {@link Column#compact}). */
    public static void light(Column c) {
        int top = -1;
        for (int sy = 15; sy >= 0; sy--) {
            if (c.hasSection(sy)) {
                top = sy;
                break;
            }
        }
        c.setLit(true);
        if (top < 0) {
            c.compact();
            return;
        }
        int cells = (top + 1) << 12;
        Scratch scratch = SCRATCH.get();
        byte[] opacity = scratch.opacity;
        byte[] sky = scratch.sky;
        byte[] blk = scratch.blk;
        java.util.Arrays.fill(opacity, 0, cells, (byte) 0);
        java.util.Arrays.fill(sky, 0, cells, (byte) 0);
        java.util.Arrays.fill(blk, 0, cells, (byte) 0);
        int[] queue = scratch.queue;
        int qn = 0;
        byte[] ids = scratch.ids;
        for (int sy = 0; sy <= top; sy++) {
            if (!c.sectionBlocks(sy, ids)) {
                continue;
            }
            int base = sy << 12;
            for (int i = 0; i < 4096; i++) {
                int id = ids[i] & 0xFF;
                if (id != 0) {
                    opacity[base + i] = (byte) BlockLight.opacity(id);
                    int e = BlockLight.emitted(id);
                    if (e > 0) {
                        blk[base + i] = (byte) e;
                        if (qn == queue.length) {
                            queue = java.util.Arrays.copyOf(queue, qn * 2);
                        }
                        queue[qn++] = base + i;
                    }
                }
            }
        }
        spread(blk, opacity, queue, qn, top, false);

        // sunlight straight down; open[i]: the lowest y that still has full sunlight
        int[] open = scratch.open;
        java.util.Arrays.fill(open, 0);
        int topY = (top << 4) + 15;
        for (int i = 0; i < 256; i++) {
            int light = 15;
            int y = topY;
            for (; y >= 0; y--) {
                int o = opacity[y << 8 | i];
                if (o == 0 && light != 15) {
                    o = 1;
                }
                if (o > 0 && light == 15) {
                    open[i] = y + 1;
                }
                light -= o;
                if (light <= 0) {
                    break;
                }
                sky[y << 8 | i] = (byte) light;
            }
            if (light == 15) {
                open[i] = 0;
            }
        }
        qn = 0;
        for (int i = 0; i < 256; i++) {
            int x = i & 15;
            int z = i >> 4;
            int reach = open[i];
            if (x > 0) reach = Math.max(reach, open[i - 1]);
            if (x < 15) reach = Math.max(reach, open[i + 1]);
            if (z > 0) reach = Math.max(reach, open[i - 16]);
            if (z < 15) reach = Math.max(reach, open[i + 16]);
            for (int y = 0; y < reach && y <= topY; y++) {
                int idx = y << 8 | i;
                if (sky[idx] > 1) {
                    if (qn == queue.length) {
                        queue = java.util.Arrays.copyOf(queue, qn * 2);
                    }
                    queue[qn++] = idx;
                }
            }
        }
        spread(sky, opacity, queue, qn, top, true);

        for (int sy = 0; sy <= top; sy++) {
            if (!c.hasSection(sy)) {
                continue;
            }
            byte[] bl = scratch.blockNibbles;
            byte[] sl = scratch.skyNibbles;
            int base = sy << 12;
            for (int i = 0; i < 2048; i++) {
                int a = base + 2 * i;
                bl[i] = (byte) (blk[a] | blk[a + 1] << 4);
                sl[i] = (byte) (sky[a] | sky[a + 1] << 4);
            }
            // light of one level throughout is the shared array; other light an array of its own
            byte[] b = Section.shared(bl);
            byte[] k = Section.shared(sl);
            c.putLight(sy, b == bl ? bl.clone() : b, k == sl ? sl.clone() : k);
        }
        c.compact();
    }

    /** Work arrays of one thread, kept for the next column it lights: lighting makes no garbage of its own. */
    private static final class Scratch {
        final byte[] opacity = new byte[65536];
        final byte[] sky = new byte[65536];
        final byte[] blk = new byte[65536];
        final int[] queue = new int[8192];
        final byte[] ids = new byte[4096];
        final int[] open = new int[256];
        final byte[] blockNibbles = new byte[2048];
        final byte[] skyNibbles = new byte[2048];
    }

    private static final ThreadLocal<Scratch> SCRATCH = new ThreadLocal<Scratch>() {
        protected Scratch initialValue() {
            return new Scratch();
        }
    };

    /** Spreads light from the queued cells through the column (index y<<8 | z<<4 | x). */
    private static void spread(byte[] light, byte[] opacity, int[] queue, int qn, int top, boolean sky) {
        int maxY = (top << 4) + 15;
        int head = 0;
        int[] q = queue;
        int tail = qn;
        int cap = q.length;
        // a ring buffer: every cell is queued again only when its light rose
        if (cap < 8192) {
            q = java.util.Arrays.copyOf(q, 8192);
            cap = 8192;
        }
        int mask = Integer.highestOneBit(cap) == cap ? cap - 1 : -1;
        if (mask < 0) {
            int n = Integer.highestOneBit(cap) << 1;
            q = java.util.Arrays.copyOf(q, n);
            cap = n;
            mask = n - 1;
        }
        int size = tail;
        tail = tail & mask;
        while (size > 0) {
            int idx = q[head];
            head = (head + 1) & mask;
            size--;
            int l = light[idx];
            if (l <= 1) {
                continue;
            }
            int x = idx & 15;
            int z = (idx >> 4) & 15;
            int y = idx >> 8;
            for (int d = 0; d < 6; d++) {
                int n;
                switch (d) {
                    case 0: if (x == 0) continue; n = idx - 1; break;
                    case 1: if (x == 15) continue; n = idx + 1; break;
                    case 2: if (z == 0) continue; n = idx - 16; break;
                    case 3: if (z == 15) continue; n = idx + 16; break;
                    case 4: if (y == 0) continue; n = idx - 256; break;
                    default: if (y == maxY) continue; n = idx + 256; break;
                }
                int o = opacity[n];
                int nl = sky && d == 4 && l == 15 && o == 0 ? 15 : l - Math.max(1, o);
                if (nl > light[n]) {
                    light[n] = (byte) nl;
                    if (size == cap) {
                        int[] bigger = new int[cap * 2];
                        for (int i = 0; i < size; i++) {
                            bigger[i] = q[(head + i) & mask];
                        }
                        q = bigger;
                        head = 0;
                        tail = size;
                        cap *= 2;
                        mask = cap - 1;
                    }
                    q[tail] = n;
                    tail = (tail + 1) & mask;
                    size++;
                }
            }
        }
    }
}
