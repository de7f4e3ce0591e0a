package org.bukkit.util.noise;

import java.util.Random;

import org.bukkit.World;

/**
 * Perlin's improved gradient noise: the lattice corners around a point each give a gradient
 * (from the permutation), their dots with the offset to the point blended with the fade curve.
 * A generator made from a seed shuffles its own permutation and offsets; the shared instance has
 * a fixed one.
 */
public class PerlinNoiseGenerator extends NoiseGenerator {
    /** The twelve edge directions of a cube, as the gradient hash picks them. */
    protected static final int[][] grad3 = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {1, 0, 1}, {-1, 0, 1},
        {1, 0, -1}, {-1, 0, -1}, {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
    private static final PerlinNoiseGenerator INSTANCE = new PerlinNoiseGenerator();

    /** The shared generator: a permutation fixed once, no offsets. */
    protected PerlinNoiseGenerator() {
        shuffle(new Random(0x5EED));
        offsetX = 0;
        offsetY = 0;
        offsetZ = 0;
    }

    public PerlinNoiseGenerator(World world) {
        this(new Random(world.getSeed()));
    }

    public PerlinNoiseGenerator(long seed) {
        this(new Random(seed));
    }

    public PerlinNoiseGenerator(Random rand) {
        offsetX = rand.nextDouble() * 256;
        offsetY = rand.nextDouble() * 256;
        offsetZ = rand.nextDouble() * 256;
        shuffle(rand);
    }

    private void shuffle(Random rand) {
        for (int i = 0; i < 256; i++) {
            perm[i] = i;
        }
        for (int i = 0; i < 256; i++) {
            int j = rand.nextInt(256 - i) + i;
            int t = perm[i];
            perm[i] = perm[j];
            perm[j] = t;
            perm[i + 256] = perm[i];
        }
    }

    public static double getNoise(double x) {
        return INSTANCE.noise(x);
    }

    public static double getNoise(double x, double y) {
        return INSTANCE.noise(x, y);
    }

    public static double getNoise(double x, double y, double z) {
        return INSTANCE.noise(x, y, z);
    }

    public static PerlinNoiseGenerator getInstance() {
        return INSTANCE;
    }

    @Override
    public double noise(double x, double y, double z) {
        x += offsetX;
        y += offsetY;
        z += offsetZ;
        int fx = floor(x);
        int fy = floor(y);
        int fz = floor(z);
        int cx = fx & 255;
        int cy = fy & 255;
        int cz = fz & 255;
        x -= fx;
        y -= fy;
        z -= fz;
        double u = fade(x);
        double v = fade(y);
        double w = fade(z);
        int a = perm[cx] + cy;
        int aa = perm[a] + cz;
        int ab = perm[a + 1] + cz;
        int b = perm[cx + 1] + cy;
        int ba = perm[b] + cz;
        int bb = perm[b + 1] + cz;
        double near = lerp(v, lerp(u, grad(perm[aa], x, y, z), grad(perm[ba], x - 1, y, z)),
                lerp(u, grad(perm[ab], x, y - 1, z), grad(perm[bb], x - 1, y - 1, z)));
        double far = lerp(v, lerp(u, grad(perm[aa + 1], x, y, z - 1), grad(perm[ba + 1], x - 1, y, z - 1)),
                lerp(u, grad(perm[ab + 1], x, y - 1, z - 1), grad(perm[bb + 1], x - 1, y - 1, z - 1)));
        return lerp(w, near, far);
    }

    public static double getNoise(double x, int octaves, double frequency, double amplitude) {
        return INSTANCE.noise(x, octaves, frequency, amplitude);
    }

    public static double getNoise(double x, double y, int octaves, double frequency, double amplitude) {
        return INSTANCE.noise(x, y, octaves, frequency, amplitude);
    }

    public static double getNoise(double x, double y, double z, int octaves, double frequency, double amplitude) {
        return INSTANCE.noise(x, y, z, octaves, frequency, amplitude);
    }
}
