package net.cubeworks.world.game.entity;

import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * Water pushing what is in it along its flow, as the game does: each water block a body's box
 * reaches into (up to the water's surface) has a way it flows, toward its lower neighbours (and
 * down, where a falling flow runs beside a wall); their sum, made one long, times 0.014 is added to
 * the body's motion each tick. Items and mobs are pushed here; a player's own client pushes him.
 */
public final class WaterFlow {
    /** How much the flow adds to a body's motion each tick, in blocks a tick. */
    static final double PUSH = 0.014;
    private static final int[][] SIDES = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

    private WaterFlow() {
    }

    private static int level(Terrain t, int x, int y, int z) {
        if (y < 0 || y > 255 || !BlockIds.isWater(t.blockAt(x, y, z))) {
            return -1;
        }
        int l = t.metaAt(x, y, z);
        return l >= 8 ? 0 : l;
    }

    /** True for blocks whose stuff stops a body (not air, liquids, plants, torches, redstone, fire, portals). */
    private static boolean stops(int id) {
        String m = BlockTable.of(id & 0xFF).material;
        return !(m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants") || m.equals("vine")
                || m.equals("circuits") || m.equals("fire") || m.equals("portal") || m.equals("web")
                || m.equals("carpet")) && id != BlockIds.SNOW_LAYER;
    }

    /** The way the water at x, y, z flows, one long (or nothing: {0, 0, 0}). */
    static double[] flow(Terrain t, int x, int y, int z) {
        double fx = 0;
        double fy = 0;
        double fz = 0;
        int own = level(t, x, y, z);
        if (own < 0) {
            return new double[3];
        }
        for (int[] s : SIDES) {
            int nx = x + s[0];
            int nz = z + s[1];
            int l = level(t, nx, y, nz);
            int diff;
            if (l < 0) {
                if (stops(t.blockAt(nx, y, nz))) {
                    continue;
                }
                l = level(t, nx, y - 1, nz);
                if (l < 0) {
                    continue;
                }
                diff = l - (own - 8);
            } else {
                diff = l - own;
            }
            fx += s[0] * diff;
            fz += s[1] * diff;
        }
        if (t.metaAt(x, y, z) >= 8) {
            boolean wall = false;
            for (int[] s : SIDES) {
                for (int dy = 0; dy <= 1 && !wall; dy++) {
                    int id = y + dy <= 255 ? t.blockAt(x + s[0], y + dy, z + s[1]) : BlockIds.AIR;
                    wall = stops(id) && id != BlockIds.ICE;
                }
            }
            if (wall) {
                double len = Math.sqrt(fx * fx + fz * fz);
                if (len > 1e-4) {
                    fx /= len;
                    fz /= len;
                }
                fy = -6;
            }
        }
        double len = Math.sqrt(fx * fx + fy * fy + fz * fz);
        return len < 1e-4 ? new double[3] : new double[] {fx / len, fy / len, fz / len};
    }

    /**
     * Pushes a creature standing at x, y, z, its box halfWidth to each side and height high, along
     * the water it is in, its box taken as the game tests a creature against water (0.4 less at
     * top and bottom, a little narrower); true when it is in water.
     */
    public static boolean pushBody(Terrain t, WorldEntity e, double halfWidth, double height) {
        double w = halfWidth - 0.001;
        return push(t, e, e.x - w, e.y + 0.401, e.z - w, e.x + w, e.y + height - 0.401, e.z + w);
    }

    /**
     * Pushes the entity whose box is minX..maxX, minY..maxY, minZ..maxZ along the water it is in
     * (an item's whole box); true when it is in water.
     */
    public static boolean push(Terrain t, WorldEntity e, double minX, double minY, double minZ, double maxX, double maxY,
            double maxZ) {
        int x0 = (int) Math.floor(minX);
        int x1 = (int) Math.floor(maxX + 1);
        int y0 = Math.max(0, (int) Math.floor(minY));
        int y1 = Math.min(256, (int) Math.floor(maxY + 1));
        int z0 = (int) Math.floor(minZ);
        int z1 = (int) Math.floor(maxZ + 1);
        boolean in = false;
        double vx = 0;
        double vy = 0;
        double vz = 0;
        for (int x = x0; x < x1; x++) {
            for (int y = y0; y < y1; y++) {
                for (int z = z0; z < z1; z++) {
                    if (!BlockIds.isWater(t.blockAt(x, y, z))) {
                        continue;
                    }
                    int l = t.metaAt(x, y, z);
                    double surface = y + 1 - ((l >= 8 ? 0 : l) + 1) / 9.0;
                    if (y1 >= surface) {
                        in = true;
                        double[] f = flow(t, x, y, z);
                        vx += f[0];
                        vy += f[1];
                        vz += f[2];
                    }
                }
            }
        }
        double len = Math.sqrt(vx * vx + vy * vy + vz * vz);
        if (len > 0) {
            e.motionX += vx / len * PUSH;
            e.motionY += vy / len * PUSH;
            e.motionZ += vz / len * PUSH;
        }
        return in;
    }
}
