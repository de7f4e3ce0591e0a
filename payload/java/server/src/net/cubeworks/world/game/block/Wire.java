package net.cubeworks.world.game.block;

import java.util.HashSet;
import java.util.List;
import java.util.Set;

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
    static final int[][] SIDES = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

    static boolean wireAt(BlockWorld w, int x, int y, int z) {
        return y >= 0 && y <= 255 && w.loaded(x, z) && w.blockAt(x, y, z) == BlockIds.REDSTONE_WIRE;
    }

    static int id(BlockWorld w, int x, int y, int z) {
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

    /** Placed on a solid top or glowstone. */
    @Override
    int placedData(PlacedBlock b) {
        return b.onSolidTop() || b.below() == PlacingIds.GLOWSTONE ? b.variant() : -1;
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

    /**
     * Brings the wire at x, y, z and the wire it reaches to the power they should have, each piece
     * written once: a rise spreads from it; a fall first takes away the power of every piece that
     * may have had it from there (down to the pieces holding as much of their own), then spreads
     * what is left back in, strongest first. Then what is around the changed pieces is told, each
     * place once.
     */
    static void update(BlockWorld w, int x, int y, int z) {
        WireNet net = new WireNet(w);
        int old = w.metaAt(x, y, z);
        int now = net.wanted(x, y, z);
        if (now == old) {
            return;
        }
        if (now > old) {
            net.raise(x, y, z, now);
        } else {
            net.lower(x, y, z, old);
        }
        tellAroundAll(w, net.write());
    }

    /** Tells the blocks beside each changed piece and beside those, as {@link Redstone#tellAround} does, each place's neighbours once. */
    private static void tellAroundAll(BlockWorld w, List<int[]> changed) {
        Set<Long> told = new HashSet<Long>();
        for (int[] p : changed) {
            tellOnce(w, told, p[0], p[1], p[2]);
            for (int[] d : Redstone.DIRS) {
                tellOnce(w, told, p[0] + d[0], p[1] + d[1], p[2] + d[2]);
            }
        }
    }

    private static void tellOnce(BlockWorld w, Set<Long> told, int x, int y, int z) {
        if (y >= 0 && y <= 255 && w.loaded(x, z) && told.add(WireNet.key(x, y, z))) {
            w.tellNeighbours(x, y, z);
        }
    }
}
