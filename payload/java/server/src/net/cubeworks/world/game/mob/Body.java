package net.cubeworks.world.game.mob;

import net.cubeworks.world.game.entity.WaterFlow;
import net.cubeworks.world.game.world.Terrain;

/**
 * How a body moves through the terrain in one tick: its motion is taken along y, then x, then z,
 * each stopped by the boxes of the blocks in the way; gravity pulls it (less in water, which also
 * slows it), and the ground's friction slows it; a body at rest on solid ground is not moved.
 * Sizes and motion in blocks and blocks a tick.
 */
public final class Body {
    public static final double GRAVITY = 0.08;
    public static final double AIR_DRAG = 0.98;
    /** Horizontal slowing a tick on the ground (the game's 0.6 slipperiness times 0.91) and in the air. */
    public static final double GROUND_FRICTION = 0.546;
    public static final double AIR_FRICTION = 0.91;
    public static final double WATER_DRAG = 0.8;
    public static final double WATER_GRAVITY = 0.02;
    public static final double JUMP = 0.42;

    /** What the last move met. */
    public boolean collidedHorizontally;
    public boolean collidedVertically;
    public boolean inWater;
    public boolean inLava;

    private Body() {
    }

    public static Body of() {
        return new Body();
    }

    /**
     * Moves the mob by its motion, then applies gravity and friction to the motion for the next
     * tick; the fall distance grows while it falls and is spent on landing (the caller hurts).
     * Returns the blocks fallen when it landed this tick, else 0.
     */
    public float move(Mob m, Terrain t) {
        double w = m.kind.width / 2;
        double h = m.kind.height;
        inWater = touches(t, m.x, m.y, m.z, w, h, true);
        WaterFlow.pushBody(t, m, w, h); // the water's flow carries it
        inLava = touches(t, m.x, m.y, m.z, w, h, false);
        double dx = m.motionX;
        double dy = m.motionY;
        double dz = m.motionZ;
        double ny = clip(t, m, w, h, 1, dy);
        m.y += ny;
        collidedVertically = ny != dy;
        boolean landed = collidedVertically && dy < 0;
        double nx = clip(t, m, w, h, 0, dx);
        m.x += nx;
        double nz = clip(t, m, w, h, 2, dz);
        m.z += nz;
        collidedHorizontally = nx != dx || nz != dz;
        if (nx != dx) {
            m.motionX = 0;
        }
        if (nz != dz) {
            m.motionZ = 0;
        }
        float fell = 0;
        if (collidedVertically) {
            m.motionY = 0;
        }
        m.onGround = landed;
        if (landed) {
            fell = m.fallDistance;
            m.fallDistance = 0;
        } else if (ny < 0) {
            m.fallDistance -= (float) ny;
        }
        if (inWater || inLava) {
            m.fallDistance = 0;
            m.motionX *= WATER_DRAG;
            m.motionY = m.motionY * WATER_DRAG - WATER_GRAVITY;
            m.motionZ *= WATER_DRAG;
        } else {
            double f = m.onGround ? GROUND_FRICTION : AIR_FRICTION;
            m.motionX *= f;
            m.motionZ *= f;
            m.motionY = (m.motionY - GRAVITY) * AIR_DRAG;
        }
        return fell;
    }

    /**
     * Whether the mob stands still on solid ground with nothing moving it (no way to walk, not in
     * water or lava, no motion but a little across): then its body is not moved this tick (most mobs
     * most of the time), which spares the collision checks, and what little motion it had stops.
     */
    public boolean rests(Mob m, Terrain t, boolean walking) {
        if (!m.onGround || walking || inWater || inLava || Math.abs(m.motionX) > 0.003
                || Math.abs(m.motionZ) > 0.003 || m.motionY > 0) {
            return false;
        }
        int below = t.blockAt(floor(m.x), floor(m.y - 0.01), floor(m.z));
        if (!Shapes.stops(below, t.metaAt(floor(m.x), floor(m.y - 0.01), floor(m.z)))) {
            return false; // the ground went: it falls
        }
        m.motionX = 0;
        m.motionZ = 0;
        return true;
    }

    /** How far of the wanted move along the axis (0 x, 1 y, 2 z) the box can go before a block stops it. */
    static double clip(Terrain t, Mob m, double w, double h, int axis, double d) {
        if (d == 0) {
            return 0;
        }
        double minX = m.x - w;
        double maxX = m.x + w;
        double minY = m.y;
        double maxY = m.y + h;
        double minZ = m.z - w;
        double maxZ = m.z + w;
        // the blocks the box sweeps over, a little beyond for fences' high tops
        int x0 = floor(Math.min(minX, minX + (axis == 0 ? d : 0)));
        int x1 = floor(Math.max(maxX, maxX + (axis == 0 ? d : 0)) - 1e-7);
        int y0 = floor(Math.min(minY, minY + (axis == 1 ? d : 0))) - 1;
        int y1 = floor(Math.max(maxY, maxY + (axis == 1 ? d : 0)) - 1e-7);
        int z0 = floor(Math.min(minZ, minZ + (axis == 2 ? d : 0)));
        int z1 = floor(Math.max(maxZ, maxZ + (axis == 2 ? d : 0)) - 1e-7);
        double e = 1e-7;
        for (int bx = x0; bx <= x1; bx++) {
            for (int bz = z0; bz <= z1; bz++) {
                for (int by = Math.max(0, y0); by <= Math.min(255, y1); by++) {
                    int id = t.blockAt(bx, by, bz);
                    if (id == 0) {
                        continue;
                    }
                    int meta = t.metaAt(bx, by, bz);
                    double top = Shapes.top(id, meta);
                    if (top <= 0) {
                        continue;
                    }
                    double bMinY = by + Shapes.bottom(id, meta);
                    double bMaxY = by + top;
                    double bMinX = bx;
                    double bMaxX = bx + 1;
                    double bMinZ = bz;
                    double bMaxZ = bz + 1;
                    if (axis == 1) {
                        if (maxX <= bMinX + e || minX >= bMaxX - e || maxZ <= bMinZ + e || minZ >= bMaxZ - e) {
                            continue;
                        }
                        if (d < 0 && minY >= bMaxY - e) {
                            d = Math.max(d, bMaxY - minY);
                        } else if (d > 0 && maxY <= bMinY + e) {
                            d = Math.min(d, bMinY - maxY);
                        }
                    } else if (axis == 0) {
                        if (maxY <= bMinY + e || minY >= bMaxY - e || maxZ <= bMinZ + e || minZ >= bMaxZ - e) {
                            continue;
                        }
                        if (d < 0 && minX >= bMaxX - e) {
                            d = Math.max(d, bMaxX - minX);
                        } else if (d > 0 && maxX <= bMinX + e) {
                            d = Math.min(d, bMinX - maxX);
                        }
                    } else {
                        if (maxY <= bMinY + e || minY >= bMaxY - e || maxX <= bMinX + e || minX >= bMaxX - e) {
                            continue;
                        }
                        if (d < 0 && minZ >= bMaxZ - e) {
                            d = Math.max(d, bMaxZ - minZ);
                        } else if (d > 0 && maxZ <= bMinZ + e) {
                            d = Math.min(d, bMinZ - maxZ);
                        }
                    }
                }
            }
        }
        return Math.abs(d) < e ? 0 : d;
    }

    /** Whether the box is in water (or, with water false, in lava). */
    static boolean touches(Terrain t, double x, double y, double z, double w, double h, boolean water) {
        int x0 = floor(x - w);
        int x1 = floor(x + w);
        int y0 = floor(y + 0.4);
        int y1 = floor(y + h - 0.4);
        int z0 = floor(z - w);
        int z1 = floor(z + w);
        for (int bx = x0; bx <= x1; bx++) {
            for (int bz = z0; bz <= z1; bz++) {
                for (int by = Math.max(0, y0); by <= Math.min(255, Math.max(y0, y1)); by++) {
                    int id = t.blockAt(bx, by, bz);
                    if (water ? Shapes.water(id) : Shapes.lava(id)) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    static int floor(double v) {
        int i = (int) v;
        return v < i ? i - 1 : i;
    }
}
