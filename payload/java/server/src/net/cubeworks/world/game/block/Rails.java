package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Rails take their shape from the rails beside them when they are put down, as the game does: a
 * rail joins the rails beside it (level, a step up or a step down) that have a free end or already
 * lead to it, runs straight along them, curves where two meet at a corner (plain rails only:
 * powered, detector and activator rails run straight), and slopes up toward a rail a step higher;
 * then each rail it joined that had a free end turns to meet it. The shape is the data (0 north to
 * south, 1 east to west, 2 to 5 sloping up east, west, north, south, 6 to 9 the curves south-east,
 * south-west, north-west, north-east); a straight-only rail keeps bit 8 (powered) beside it.
 */
final class Rails extends BlockBehaviour {
    /** The two places (dx, dy, dz) each shape leads to. */
    private static final int[][][] ENDS = {
        {{0, 0, -1}, {0, 0, 1}}, {{-1, 0, 0}, {1, 0, 0}}, {{-1, 0, 0}, {1, 1, 0}}, {{-1, 1, 0}, {1, 0, 0}},
        {{0, 1, -1}, {0, 0, 1}}, {{0, 0, -1}, {0, 1, 1}}, {{1, 0, 0}, {0, 0, 1}}, {{-1, 0, 0}, {0, 0, 1}},
        {{-1, 0, 0}, {0, 0, -1}}, {{1, 0, 0}, {0, 0, -1}}};

    static boolean isRail(int id) {
        return id == BlockIds.RAIL || id == BlockIds.GOLDEN_RAIL || id == BlockIds.DETECTOR_RAIL
                || id == BlockIds.ACTIVATOR_RAIL;
    }

    static boolean straightOnly(int id) {
        return id != BlockIds.RAIL;
    }

    /** The shape (0 to 9) of a rail of the id with the data. */
    static int shape(int id, int meta) {
        int s = straightOnly(id) ? meta & 7 : meta;
        return s >= 0 && s < ENDS.length ? s : 0;
    }

    private static boolean railAt(BlockWorld w, int x, int y, int z) {
        return y >= 0 && y <= 255 && w.loaded(x, z) && isRail(w.blockAt(x, y, z));
    }

    /** The height of the rail at x, z level with y, a step up or a step down, or -1 when there is none. */
    private static int railY(BlockWorld w, int x, int y, int z) {
        if (railAt(w, x, y, z)) {
            return y;
        }
        if (railAt(w, x, y + 1, z)) {
            return y + 1;
        }
        return railAt(w, x, y - 1, z) ? y - 1 : -1;
    }

    /** True when the rail at x, y, z leads toward the block column tx, tz. */
    private static boolean leadsTo(BlockWorld w, int x, int y, int z, int tx, int tz) {
        for (int[] e : ENDS[shape(w.blockAt(x, y, z), w.metaAt(x, y, z))]) {
            if (x + e[0] == tx && z + e[2] == tz) {
                return true;
            }
        }
        return false;
    }

    /** How many of the rail's two ends meet a rail. */
    private static int joined(BlockWorld w, int x, int y, int z) {
        int n = 0;
        for (int[] e : ENDS[shape(w.blockAt(x, y, z), w.metaAt(x, y, z))]) {
            if (railY(w, x + e[0], y + e[1], z + e[2]) >= 0) {
                n++;
            }
        }
        return n;
    }

    /** True when the rail beside at nx, ny, nz may join the rail at x, z: it leads there already or has a free end. */
    private static boolean takes(BlockWorld w, int nx, int ny, int nz, int x, int z) {
        return leadsTo(w, nx, ny, nz, x, z) || joined(w, nx, ny, nz) < 2;
    }

    /** The shape the rail at x, y, z takes from the rails beside it. */
    static int shapeFor(BlockWorld w, int x, int y, int z) {
        boolean straight = straightOnly(w.blockAt(x, y, z));
        boolean[] side = new boolean[4]; // north (-z), south (+z), west (-x), east (+x)
        int[][] d = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
        for (int i = 0; i < 4; i++) {
            int ny = railY(w, x + d[i][0], y, z + d[i][1]);
            side[i] = ny >= 0 && takes(w, x + d[i][0], ny, z + d[i][1], x, z);
        }
        boolean n = side[0];
        boolean s = side[1];
        boolean west = side[2];
        boolean east = side[3];
        int shape = -1;
        if ((n || s) && !west && !east) {
            shape = 0;
        }
        if ((west || east) && !n && !s) {
            shape = 1;
        }
        if (!straight) {
            if (s && east && !n && !west) {
                shape = 6;
            } else if (s && west && !n && !east) {
                shape = 7;
            } else if (n && west && !s && !east) {
                shape = 8;
            } else if (n && east && !s && !west) {
                shape = 9;
            }
        }
        if (shape == -1) {
            if (n || s) {
                shape = 0;
            }
            if (west || east) {
                shape = 1;
            }
            if (!straight) {
                if (n && west) {
                    shape = 8;
                }
                if (east && n) {
                    shape = 9;
                }
                if (west && s) {
                    shape = 7;
                }
                if (s && east) {
                    shape = 6;
                }
            }
        }
        if (shape == 0) {
            if (railAt(w, x, y + 1, z - 1)) {
                shape = 4;
            }
            if (railAt(w, x, y + 1, z + 1)) {
                shape = 5;
            }
        } else if (shape == 1) {
            if (railAt(w, x + 1, y + 1, z)) {
                shape = 2;
            }
            if (railAt(w, x - 1, y + 1, z)) {
                shape = 3;
            }
        }
        return Math.max(0, shape);
    }

    private static void reshape(BlockWorld w, int x, int y, int z, int shape) {
        int id = w.blockAt(x, y, z);
        int meta = w.metaAt(x, y, z);
        int now = straightOnly(id) ? meta & 8 | shape : shape;
        if (now != meta) {
            w.setBlockQuietly(x, y, z, id, now);
        }
    }

    /** True while the rail's bed is there, and for a slope the block it climbs onto. */
    static boolean held(BlockWorld w, int id, int meta, int x, int y, int z) {
        if (!top(w, x, y - 1, z)) {
            return false;
        }
        switch (shape(id, meta)) {
            case 2:
                return top(w, x + 1, y, z);
            case 3:
                return top(w, x - 1, y, z);
            case 4:
                return top(w, x, y, z - 1);
            case 5:
                return top(w, x, y, z + 1);
            default:
                return true;
        }
    }

    private static boolean top(BlockWorld w, int x, int y, int z) {
        return y >= 0 && y <= 255 && Footing.solidTop(w.blockAt(x, y, z), w.metaAt(x, y, z));
    }

    /** Placed on a solid top, running north and south until its neighbours turn it. */
    @Override
    int placedData(PlacedBlock b) {
        return b.onSolidTop() ? 0 : -1;
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        reshape(w, x, y, z, shapeFor(w, x, y, z));
        List<int[]> turn = new ArrayList<int[]>();
        for (int[] e : ENDS[shape(w.blockAt(x, y, z), w.metaAt(x, y, z))]) {
            int nx = x + e[0];
            int nz = z + e[2];
            int ny = railY(w, nx, y + e[1], nz);
            if (ny >= 0 && !leadsTo(w, nx, ny, nz, x, z)) {
                turn.add(new int[] {nx, ny, nz});
            }
        }
        for (int[] p : turn) {
            reshape(w, p[0], p[1], p[2], shapeFor(w, p[0], p[1], p[2]));
        }
    }
}
