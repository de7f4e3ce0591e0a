package org.bukkit.util.noise;

/**
 * Smooth noise over 1, 2 or 3 coordinates, each generator of its own permutation and offsets;
 * octave sums add the noise at rising frequencies with falling amplitudes.
 */
public abstract class NoiseGenerator {
    /** The permutation of 0 to 255, twice over so that an index plus one never runs off. */
    protected final int[] perm = new int[512];
    protected double offsetX;
    protected double offsetY;
    protected double offsetZ;

    /** The floor as an int, faster than Math.floor for the values noise sees. */
    public static int floor(double x) {
        return x >= 0 ? (int) x : (int) x - 1;
    }

    /** The smooth step 6t^5 - 15t^4 + 10t^3, flat at 0 and 1. */
    protected static double fade(double x) {
        return x * x * x * (x * (x * 6 - 15) + 10);
    }

    protected static double lerp(double x, double y, double z) {
        return y + x * (z - y);
    }

    /** The dot of one of twelve edge gradients (picked by the hash) with the offset. */
    protected static double grad(int hash, double x, double y, double z) {
        int h = hash & 15;
        double u = h < 8 ? x : y;
        double v = h < 4 ? y : h == 12 || h == 14 ? x : z;
        return ((h & 1) == 0 ? u : -u) + ((h & 2) == 0 ? v : -v);
    }

    public double noise(double x) {
        return noise(x, 0, 0);
    }

    public double noise(double x, double y) {
        return noise(x, y, 0);
    }

    /** The noise at the point, between -1 and 1. */
    public abstract double noise(double x, double y, double z);

    public double noise(double x, int octaves, double frequency, double amplitude) {
        return noise(x, 0, 0, octaves, frequency, amplitude);
    }

    public double noise(double x, int octaves, double frequency, double amplitude, boolean normalized) {
        return noise(x, 0, 0, octaves, frequency, amplitude, normalized);
    }

    public double noise(double x, double y, int octaves, double frequency, double amplitude) {
        return noise(x, y, 0, octaves, frequency, amplitude);
    }

    public double noise(double x, double y, int octaves, double frequency, double amplitude, boolean normalized) {
        return noise(x, y, 0, octaves, frequency, amplitude, normalized);
    }

    public double noise(double x, double y, double z, int octaves, double frequency, double amplitude) {
        return noise(x, y, z, octaves, frequency, amplitude, false);
    }

    /**
     * The sum over the octaves of the noise at the point times a frequency (first 1, then
     * multiplied by frequency each octave), weighted by an amplitude (first 1, then multiplied by
     * amplitude); normalized divides by the sum of the weights, back into -1 to 1.
     */
    public double noise(double x, double y, double z, int octaves, double frequency, double amplitude,
            boolean normalized) {
        double result = 0;
        double amp = 1;
        double freq = 1;
        double max = 0;
        for (int i = 0; i < octaves; i++) {
            result += noise(x * freq, y * freq, z * freq) * amp;
            max += amp;
            freq *= frequency;
            amp *= amplitude;
        }
        return normalized && max > 0 ? result / max : result;
    }
}
