package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Random;
import java.util.Set;

import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.entity.Sight;

/**
 * The game's explosion rules: rays from the centre towards the 1352 points on the surface of a
 * 16 by 16 by 16 cube, each with a strength of 0.7 to 1.3 times the power, spent in steps of 0.3
 * blocks by the air (0.225 a step) and by each block it passes (its blast resistance / 5, plus
 * 0.3, times 0.3); a block is destroyed where a ray reaches it with strength left.
 */
public final class Explosions {
    /** Blast resistance of block ids 0 to 175, as the game gives them (bedrock, end portals and command blocks: unbreakable). */
    private static final float[] RESISTANCE = new float[256];
    private static final float UNBREAKABLE = 18000000f;

    static {
        java.util.Arrays.fill(RESISTANCE, 0f);
        set(30f, 1, 4, 41, 42, 43, 44, 45, 48, 57, 67, 84, 98, 101, 108, 109, 112, 113, 114, 133, 139, 152, 173);
        set(3f, 2, 13, 19, 60, 82, 110);
        set(2.5f, 3, 12, 29, 33, 34, 69, 70, 72, 77, 79, 88, 92, 117, 143, 147, 148, 170, 174);
        set(15f, 5, 14, 15, 16, 21, 22, 53, 56, 64, 73, 74, 85, 96, 107, 125, 126, 127, 129, 134, 135, 136, 138, 153,
                163, 164);
        set(UNBREAKABLE, 7, 119, 120, 137);
        set(500f, 8, 9, 10, 11);
        set(10f, 17, 118, 162);
        set(1f, 18, 26, 80, 99, 100, 106, 151, 161);
        set(1.5f, 20, 89, 95, 102, 123, 124, 160);
        set(17.5f, 23, 61, 62, 158);
        set(4f, 24, 25, 35, 128, 155, 156);
        set(3.5f, 27, 28, 66, 157);
        set(20f, 30);
        set(7.5f, 47);
        set(6000f, 49, 116, 145);
        set(25f, 52, 71);
        set(12.5f, 54, 58, 146);
        set(5f, 63, 68, 86, 91, 103, 144);
        set(2f, 65, 81, 87);
        set(0.5f, 78, 171);
        set(3.75f, 97);
        set(45f, 121, 122);
        set(3000f, 130);
        set(24f, 154);
        set(21f, 159, 172);
    }

    private Explosions() {
    }

    private static void set(float resistance, int... ids) {
        for (int id : ids) {
            RESISTANCE[id] = resistance;
        }
    }

    static float resistance(int id) {
        return id >= 0 && id < RESISTANCE.length ? RESISTANCE[id] : 0f;
    }

    /** The blocks the explosion destroys, as {x, y, z}, each once; air and out-of-world places are left out. */
    public static List<int[]> affected(Sight.Blocks world, double cx, double cy, double cz, float power, Random random) {
        Set<Long> seen = new LinkedHashSet<Long>();
        List<int[]> out = new ArrayList<int[]>();
        for (int i = 0; i < 16; i++) {
            for (int j = 0; j < 16; j++) {
                for (int k = 0; k < 16; k++) {
                    if (i != 0 && i != 15 && j != 0 && j != 15 && k != 0 && k != 15) {
                        continue;
                    }
                    double dx = i / 15.0 * 2 - 1;
                    double dy = j / 15.0 * 2 - 1;
                    double dz = k / 15.0 * 2 - 1;
                    double len = Math.sqrt(dx * dx + dy * dy + dz * dz);
                    dx = dx / len * 0.3;
                    dy = dy / len * 0.3;
                    dz = dz / len * 0.3;
                    float strength = power * (0.7f + random.nextFloat() * 0.6f);
                    double x = cx;
                    double y = cy;
                    double z = cz;
                    while (strength > 0) {
                        int bx = (int) Math.floor(x);
                        int by = (int) Math.floor(y);
                        int bz = (int) Math.floor(z);
                        if (by < 0 || by > 255) {
                            break;
                        }
                        int id = world.idAt(bx, by, bz);
                        if (id != 0) {
                            strength -= (resistance(id) / 5f + 0.3f) * 0.3f;
                            if (strength > 0 && seen.add(key(bx, by, bz))) {
                                out.add(new int[] {bx, by, bz});
                            }
                        }
                        x += dx;
                        y += dy;
                        z += dz;
                        strength -= 0.22500001f;
                    }
                }
            }
        }
        return out;
    }

    private static long key(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | (y & 0xFFF);
    }

    /**
     * How much of a player's box the centre sees: the share of points on a grid through the box
     * from which a line to the centre meets no solid block.
     */
    public static double exposure(Sight.Blocks world, double cx, double cy, double cz, double px, double py, double pz) {
        int seen = 0;
        int total = 0;
        for (double fx = 0; fx <= 1; fx += 0.5) {
            for (double fy = 0; fy <= 1; fy += 0.5) {
                for (double fz = 0; fz <= 1; fz += 0.5) {
                    double sx = px - PlayerBody.HALF_WIDTH + fx * 2 * PlayerBody.HALF_WIDTH;
                    double sy = py + fy * PlayerBody.HEIGHT;
                    double sz = pz - PlayerBody.HALF_WIDTH + fz * 2 * PlayerBody.HALF_WIDTH;
                    total++;
                    if (clear(world, sx, sy, sz, cx, cy, cz)) {
                        seen++;
                    }
                }
            }
        }
        return (double) seen / total;
    }

    private static boolean clear(Sight.Blocks world, double ax, double ay, double az, double bx, double by, double bz) {
        double dx = bx - ax;
        double dy = by - ay;
        double dz = bz - az;
        int steps = (int) Math.ceil(Math.sqrt(dx * dx + dy * dy + dz * dz) / 0.25);
        for (int i = 1; i < steps; i++) {
            double f = (double) i / steps;
            int x = (int) Math.floor(ax + dx * f);
            int y = (int) Math.floor(ay + dy * f);
            int z = (int) Math.floor(az + dz * f);
            if (y >= 0 && y <= 255 && BlockRules.solid(world.idAt(x, y, z))) {
                return false;
            }
        }
        return true;
    }

    /** The damage at a distance: the game's ((impact^2 + impact) / 2) * 8 * power + 1, impact fading to 0 at twice the power. */
    public static float damage(double distance, double exposure, float power) {
        double reach = power * 2.0;
        return distance > reach ? 0 : damage((1 - distance / reach) * exposure, power);
    }

    /** The game's damage of an impact (0 to 1: how near and how exposed). */
    public static float damage(double impact, float power) {
        return (float) (int) ((impact * impact + impact) / 2 * 8 * power + 1);
    }
}
