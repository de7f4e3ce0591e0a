package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotEquals;
import static org.junit.Assert.assertTrue;

import java.util.Random;

import org.bukkit.util.noise.NoiseGenerator;
import org.bukkit.util.noise.PerlinNoiseGenerator;
import org.bukkit.util.noise.PerlinOctaveGenerator;
import org.bukkit.util.noise.SimplexNoiseGenerator;
import org.bukkit.util.noise.SimplexOctaveGenerator;
import org.junit.Test;

/** The noise generators: bounded, smooth, zero on Perlin's lattice, and the same for the same seed. */
public class NoiseTest {
    /** Samples the generator: the values stay within about -1 to 1, spread out, and change little over a small step. */
    private static void checkShape(String what, NoiseGenerator g, int dims) {
        Random r = new Random(7);
        double sum = 0;
        double sumSq = 0;
        int n = 20000;
        for (int i = 0; i < n; i++) {
            double x = r.nextDouble() * 200 - 100;
            double y = dims > 1 ? r.nextDouble() * 200 - 100 : 0;
            double z = dims > 2 ? r.nextDouble() * 200 - 100 : 0;
            double v = dims == 2 ? g.noise(x, y) : g.noise(x, y, z);
            assertTrue(what + " out of range: " + v, v >= -1.1 && v <= 1.1);
            double near = dims == 2 ? g.noise(x + 0.001, y) : g.noise(x + 0.001, y, z);
            assertTrue(what + " jumps at " + x, Math.abs(near - v) < 0.02);
            sum += v;
            sumSq += v * v;
        }
        double mean = sum / n;
        double var = sumSq / n - mean * mean;
        assertTrue(what + " mean " + mean, Math.abs(mean) < 0.05);
        assertTrue(what + " hardly varies: " + var, var > 0.01);
    }

    @Test
    public void perlinAndSimplexNoiseHaveTheShapeOfNoise() {
        checkShape("perlin 3d", new PerlinNoiseGenerator(42L), 3);
        checkShape("simplex 2d", new SimplexNoiseGenerator(42L), 2);
        checkShape("simplex 3d", new SimplexNoiseGenerator(42L), 3);
        SimplexNoiseGenerator s = new SimplexNoiseGenerator(3L);
        double v4 = s.noise(1.3, 2.7, -5.1, 0.4);
        assertTrue(v4 >= -1.1 && v4 <= 1.1);
        assertNotEquals(v4, s.noise(1.3, 2.7, -5.1, 0.9), 1e-9);
    }

    @Test
    public void perlinNoiseIsZeroOnTheLatticeAndSeedsDecide() {
        assertEquals(0.0, PerlinNoiseGenerator.getNoise(3, 7, 2), 1e-12);
        assertEquals(0.0, PerlinNoiseGenerator.getNoise(-12, 40, 0), 1e-12);
        assertTrue(Math.abs(PerlinNoiseGenerator.getNoise(3.5, 7.25, 2.75)) > 1e-6);
        assertEquals(new PerlinNoiseGenerator(9L).noise(1.5, 2.5, 3.5), new PerlinNoiseGenerator(9L).noise(1.5, 2.5, 3.5), 0);
        assertNotEquals(new PerlinNoiseGenerator(9L).noise(1.5, 2.5, 3.5),
                new PerlinNoiseGenerator(10L).noise(1.5, 2.5, 3.5), 1e-9);
    }

    @Test
    public void octavesSumWithFallingAmplitudesAndNormalizeBackIntoRange() {
        PerlinOctaveGenerator oct = new PerlinOctaveGenerator(5L, 4);
        oct.setScale(1 / 32.0);
        PerlinOctaveGenerator same = new PerlinOctaveGenerator(5L, 4);
        same.setScale(1 / 32.0);
        double raw = oct.noise(100, 20, 300, 2, 0.5);
        assertEquals(raw, same.noise(100, 20, 300, 2, 0.5), 0);
        assertEquals(raw / (1 + 0.5 + 0.25 + 0.125), oct.noise(100, 20, 300, 2, 0.5, true), 1e-12);
        // one octave of the generator is the first octave's noise at the scaled point
        PerlinOctaveGenerator one = new PerlinOctaveGenerator(5L, 1);
        one.setScale(0.5);
        assertEquals(one.getOctaves()[0].noise(5, 10, 15), one.noise(10, 20, 30, 2, 0.5), 1e-12);
        SimplexOctaveGenerator s = new SimplexOctaveGenerator(new Random(1), 3);
        double v = s.noise(1, 2, 3, 4, 2, 0.5, true);
        assertTrue(v >= -1.1 && v <= 1.1);
    }
}
