package net.cubeworks.world.generation;

import java.util.Random;

/**
 * Smooth gradient noise in two and three dimensions, with a shuffled table of its own for each
 * seed: values roughly in -1..1, continuous, the same for the same seed and point everywhere.
 */
final class Noise {
    private final int[] perm = new int[512];
    private final double ox;
    private final double oy;
    private final double oz;

    Noise(long seed) {
        Random r = new Random(seed);
        int[] p = new int[256];
        for (int i = 0; i < 256; i++) {
            p[i] = i;
        }
        for (int i = 255; i > 0; i--) {
            int j = r.nextInt(i + 1);
            int t = p[i];
            p[i] = p[j];
            p[j] = t;
        }
        for (int i = 0; i < 512; i++) {
            perm[i] = p[i & 255];
        }
        ox = r.nextDouble() * 256;
        oy = r.nextDouble() * 256;
        oz = r.nextDouble() * 256;
    }

    private static double fade(double t) {
        return t * t * t * (t * (t * 6 - 15) + 10);
    }

    private static double grad3(int h, double x, double y, double z) {
        switch (h & 15) {
            case 0: return x + y;
            case 1: return -x + y;
            case 2: return x - y;
            case 3: return -x - y;
            case 4: return x + z;
            case 5: return -x + z;
            case 6: return x - z;
            case 7: return -x - z;
            case 8: return y + z;
            case 9: return -y + z;
            case 10: return y - z;
            case 11: return -y - z;
            case 12: return x + y;
            case 13: return -y + z;
            case 14: return -x + y;
            default: return -y - z;
        }
    }

    private static double grad2(int h, double x, double z) {
        switch (h & 7) {
            case 0: return x + z;
            case 1: return -x + z;
            case 2: return x - z;
            case 3: return -x - z;
            case 4: return x;
            case 5: return -x;
            case 6: return z;
            default: return -z;
        }
    }

    private static double lerp(double t, double a, double b) {
        return a + t * (b - a);
    }

    private static int floor(double v) {
        int i = (int) v;
        return v < i ? i - 1 : i;
    }

    double at(double x, double y, double z) {
        x += ox;
        y += oy;
        z += oz;
        int fx = floor(x);
        int fy = floor(y);
        int fz = floor(z);
        int X = fx & 255;
        int Y = fy & 255;
        int Z = fz & 255;
        x -= fx;
        y -= fy;
        z -= fz;
        double u = fade(x);
        double v = fade(y);
        double w = fade(z);
        int a = perm[X] + Y;
        int aa = perm[a] + Z;
        int ab = perm[a + 1] + Z;
        int b = perm[X + 1] + Y;
        int ba = perm[b] + Z;
        int bb = perm[b + 1] + Z;
        return lerp(w,
                lerp(v, lerp(u, grad3(perm[aa], x, y, z), grad3(perm[ba], x - 1, y, z)),
                        lerp(u, grad3(perm[ab], x, y - 1, z), grad3(perm[bb], x - 1, y - 1, z))),
                lerp(v, lerp(u, grad3(perm[aa + 1], x, y, z - 1), grad3(perm[ba + 1], x - 1, y, z - 1)),
                        lerp(u, grad3(perm[ab + 1], x, y - 1, z - 1), grad3(perm[bb + 1], x - 1, y - 1, z - 1))));
    }

    double at(double x, double z) {
        x += ox;
        z += oz;
        int fx = floor(x);
        int fz = floor(z);
        int X = fx & 255;
        int Z = fz & 255;
        x -= fx;
        z -= fz;
        double u = fade(x);
        double w = fade(z);
        int a = perm[X] + Z;
        int b = perm[X + 1] + Z;
        return lerp(w, lerp(u, grad2(perm[a], x, z), grad2(perm[b], x - 1, z)),
                lerp(u, grad2(perm[a + 1], x, z - 1), grad2(perm[b + 1], x - 1, z - 1)));
    }

    /** Octaves of 2D noise, each twice as fine and half as strong; about -1..1. */
    double fractal(double x, double z, int octaves) {
        double sum = 0;
        double amp = 1;
        double norm = 0;
        for (int i = 0; i < octaves; i++) {
            sum += at(x, z) * amp;
            norm += amp;
            amp *= 0.5;
            x *= 2.03;
            z *= 2.03;
        }
        return sum / norm;
    }
}
