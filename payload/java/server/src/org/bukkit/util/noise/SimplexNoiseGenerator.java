package org.bukkit.util.noise;

import java.util.Random;

import org.bukkit.World;

/**
 * Simplex noise in 2, 3 and 4 dimensions: space is skewed so the lattice cells split into
 * simplices (triangles, tetrahedra, ...); the point's simplex is found by ranking its offsets,
 * and each of its corners adds a gradient's dot with the offset, falling off with distance.
 * It has fewer artefacts along the axes than Perlin noise and costs less in higher dimensions.
 */
public class SimplexNoiseGenerator extends PerlinNoiseGenerator {
    protected static final double SQRT_3 = Math.sqrt(3);
    protected static final double SQRT_5 = Math.sqrt(5);
    /** The skewing and unskewing factors of each dimension. */
    protected static final double F2 = 0.5 * (SQRT_3 - 1);
    protected static final double G2 = (3 - SQRT_3) / 6;
    protected static final double G22 = G2 * 2.0 - 1;
    protected static final double F3 = 1.0 / 3.0;
    protected static final double G3 = 1.0 / 6.0;
    protected static final double F4 = (SQRT_5 - 1.0) / 4.0;
    protected static final double G4 = (5.0 - SQRT_5) / 20.0;
    protected static final double G42 = G4 * 2.0;
    protected static final double G43 = G4 * 3.0;
    protected static final double G44 = G4 * 4.0 - 1.0;
    /** The 32 edge directions of a 4D hypercube: one coordinate 0, the others +1 or -1. */
    protected static final int[][] grad4 = new int[32][];
    /**
     * Which corners of the 4D simplex come in which order, by the outcome of the six comparisons
     * of the point's offsets (an index of 6 bits); unused combinations are all zero.
     */
    protected static final int[][] simplex = new int[64][];
    protected static double offsetW;
    private static final SimplexNoiseGenerator INSTANCE = new SimplexNoiseGenerator();

    static {
        int n = 0;
        for (int zero = 0; zero < 4; zero++) {
            for (int signs = 0; signs < 8; signs++) {
                int[] g = new int[4];
                int bit = 2;
                for (int c = 0; c < 4; c++) {
                    if (c == zero) {
                        continue;
                    }
                    g[c] = (signs >> bit & 1) == 0 ? 1 : -1;
                    bit--;
                }
                grad4[n++] = g;
            }
        }
        for (int index = 0; index < 64; index++) {
            // comparisons x>y, x>z, x>w, y>z, y>w, z>w, high bit first
            boolean xy = (index & 32) != 0;
            boolean xz = (index & 16) != 0;
            boolean xw = (index & 8) != 0;
            boolean yz = (index & 4) != 0;
            boolean yw = (index & 2) != 0;
            boolean zw = (index & 1) != 0;
            int rx = (xy ? 1 : 0) + (xz ? 1 : 0) + (xw ? 1 : 0);
            int ry = (xy ? 0 : 1) + (yz ? 1 : 0) + (yw ? 1 : 0);
            int rz = (xz ? 0 : 1) + (yz ? 0 : 1) + (zw ? 1 : 0);
            int rw = (xw ? 0 : 1) + (yw ? 0 : 1) + (zw ? 0 : 1);
            boolean consistent = rx != ry && rx != rz && rx != rw && ry != rz && ry != rw && rz != rw;
            simplex[index] = consistent ? new int[] {rx, ry, rz, rw} : new int[] {0, 0, 0, 0};
        }
    }

    protected SimplexNoiseGenerator() {
        super();
    }

    public SimplexNoiseGenerator(World world) {
        this(new Random(world.getSeed()));
    }

    public SimplexNoiseGenerator(long seed) {
        this(new Random(seed));
    }

    public SimplexNoiseGenerator(Random rand) {
        super(rand);
        offsetW = rand.nextDouble() * 256;
    }

    protected static double dot(int[] g, double x, double y) {
        return g[0] * x + g[1] * y;
    }

    protected static double dot(int[] g, double x, double y, double z) {
        return g[0] * x + g[1] * y + g[2] * z;
    }

    protected static double dot(int[] g, double x, double y, double z, double w) {
        return g[0] * x + g[1] * y + g[2] * z + g[3] * w;
    }

    public static double getNoise(double xin) {
        return INSTANCE.noise(xin);
    }

    public static double getNoise(double xin, double yin) {
        return INSTANCE.noise(xin, yin);
    }

    public static double getNoise(double xin, double yin, double zin) {
        return INSTANCE.noise(xin, yin, zin);
    }

    public static double getNoise(double x, double y, double z, double w) {
        return INSTANCE.noise(x, y, z, w);
    }

    public static SimplexNoiseGenerator getInstance() {
        return INSTANCE;
    }

    /** A corner's share: (r - distance squared)^4 times its gradient's dot, nothing beyond r. */
    private static double corner(double r, double d2, double dot) {
        double t = r - d2;
        if (t < 0) {
            return 0;
        }
        t *= t;
        return t * t * dot;
    }

    @Override
    public double noise(double xin, double yin) {
        xin += offsetX;
        yin += offsetY;
        double s = (xin + yin) * F2;
        int i = floor(xin + s);
        int j = floor(yin + s);
        double t = (i + j) * G2;
        double x0 = xin - (i - t);
        double y0 = yin - (j - t);
        int i1 = x0 > y0 ? 1 : 0;
        int j1 = 1 - i1;
        double x1 = x0 - i1 + G2;
        double y1 = y0 - j1 + G2;
        double x2 = x0 + G22;
        double y2 = y0 + G22;
        int ii = i & 255;
        int jj = j & 255;
        int g0 = perm[ii + perm[jj]] % 12;
        int g1 = perm[ii + i1 + perm[jj + j1]] % 12;
        int g2 = perm[ii + 1 + perm[jj + 1]] % 12;
        double n = corner(0.5, x0 * x0 + y0 * y0, dot(grad3[g0], x0, y0))
                + corner(0.5, x1 * x1 + y1 * y1, dot(grad3[g1], x1, y1))
                + corner(0.5, x2 * x2 + y2 * y2, dot(grad3[g2], x2, y2));
        // scaled into about -1 to 1
        return 70.0 * n;
    }

    @Override
    public double noise(double xin, double yin, double zin) {
        xin += offsetX;
        yin += offsetY;
        zin += offsetZ;
        double s = (xin + yin + zin) * F3;
        int i = floor(xin + s);
        int j = floor(yin + s);
        int k = floor(zin + s);
        double t = (i + j + k) * G3;
        double x0 = xin - (i - t);
        double y0 = yin - (j - t);
        double z0 = zin - (k - t);
        int i1;
        int j1;
        int k1;
        int i2;
        int j2;
        int k2;
        if (x0 >= y0) {
            if (y0 >= z0) {
                i1 = 1; j1 = 0; k1 = 0; i2 = 1; j2 = 1; k2 = 0;
            } else if (x0 >= z0) {
                i1 = 1; j1 = 0; k1 = 0; i2 = 1; j2 = 0; k2 = 1;
            } else {
                i1 = 0; j1 = 0; k1 = 1; i2 = 1; j2 = 0; k2 = 1;
            }
        } else {
            if (y0 < z0) {
                i1 = 0; j1 = 0; k1 = 1; i2 = 0; j2 = 1; k2 = 1;
            } else if (x0 < z0) {
                i1 = 0; j1 = 1; k1 = 0; i2 = 0; j2 = 1; k2 = 1;
            } else {
                i1 = 0; j1 = 1; k1 = 0; i2 = 1; j2 = 1; k2 = 0;
            }
        }
        double x1 = x0 - i1 + G3;
        double y1 = y0 - j1 + G3;
        double z1 = z0 - k1 + G3;
        double x2 = x0 - i2 + 2.0 * G3;
        double y2 = y0 - j2 + 2.0 * G3;
        double z2 = z0 - k2 + 2.0 * G3;
        double x3 = x0 - 1.0 + 3.0 * G3;
        double y3 = y0 - 1.0 + 3.0 * G3;
        double z3 = z0 - 1.0 + 3.0 * G3;
        int ii = i & 255;
        int jj = j & 255;
        int kk = k & 255;
        int g0 = perm[ii + perm[jj + perm[kk]]] % 12;
        int g1 = perm[ii + i1 + perm[jj + j1 + perm[kk + k1]]] % 12;
        int g2 = perm[ii + i2 + perm[jj + j2 + perm[kk + k2]]] % 12;
        int g3 = perm[ii + 1 + perm[jj + 1 + perm[kk + 1]]] % 12;
        double n = corner(0.6, x0 * x0 + y0 * y0 + z0 * z0, dot(grad3[g0], x0, y0, z0))
                + corner(0.6, x1 * x1 + y1 * y1 + z1 * z1, dot(grad3[g1], x1, y1, z1))
                + corner(0.6, x2 * x2 + y2 * y2 + z2 * z2, dot(grad3[g2], x2, y2, z2))
                + corner(0.6, x3 * x3 + y3 * y3 + z3 * z3, dot(grad3[g3], x3, y3, z3));
        return 32.0 * n;
    }

    public double noise(double x, double y, double z, double w) {
        x += offsetX;
        y += offsetY;
        z += offsetZ;
        w += offsetW;
        double s = (x + y + z + w) * F4;
        int i = floor(x + s);
        int j = floor(y + s);
        int k = floor(z + s);
        int l = floor(w + s);
        double t = (i + j + k + l) * G4;
        double x0 = x - (i - t);
        double y0 = y - (j - t);
        double z0 = z - (k - t);
        double w0 = w - (l - t);
        int c = (x0 > y0 ? 32 : 0) | (x0 > z0 ? 16 : 0) | (x0 > w0 ? 8 : 0) | (y0 > z0 ? 4 : 0) | (y0 > w0 ? 2 : 0)
                | (z0 > w0 ? 1 : 0);
        int[] sc = simplex[c];
        // the corner steps: a coordinate steps once its rank is reached, the highest first
        int i1 = sc[0] >= 3 ? 1 : 0;
        int j1 = sc[1] >= 3 ? 1 : 0;
        int k1 = sc[2] >= 3 ? 1 : 0;
        int l1 = sc[3] >= 3 ? 1 : 0;
        int i2 = sc[0] >= 2 ? 1 : 0;
        int j2 = sc[1] >= 2 ? 1 : 0;
        int k2 = sc[2] >= 2 ? 1 : 0;
        int l2 = sc[3] >= 2 ? 1 : 0;
        int i3 = sc[0] >= 1 ? 1 : 0;
        int j3 = sc[1] >= 1 ? 1 : 0;
        int k3 = sc[2] >= 1 ? 1 : 0;
        int l3 = sc[3] >= 1 ? 1 : 0;
        double x1 = x0 - i1 + G4;
        double y1 = y0 - j1 + G4;
        double z1 = z0 - k1 + G4;
        double w1 = w0 - l1 + G4;
        double x2 = x0 - i2 + G42;
        double y2 = y0 - j2 + G42;
        double z2 = z0 - k2 + G42;
        double w2 = w0 - l2 + G42;
        double x3 = x0 - i3 + G43;
        double y3 = y0 - j3 + G43;
        double z3 = z0 - k3 + G43;
        double w3 = w0 - l3 + G43;
        double x4 = x0 + G44;
        double y4 = y0 + G44;
        double z4 = z0 + G44;
        double w4 = w0 + G44;
        int ii = i & 255;
        int jj = j & 255;
        int kk = k & 255;
        int ll = l & 255;
        int g0 = perm[ii + perm[jj + perm[kk + perm[ll]]]] % 32;
        int g1 = perm[ii + i1 + perm[jj + j1 + perm[kk + k1 + perm[ll + l1]]]] % 32;
        int g2 = perm[ii + i2 + perm[jj + j2 + perm[kk + k2 + perm[ll + l2]]]] % 32;
        int g3 = perm[ii + i3 + perm[jj + j3 + perm[kk + k3 + perm[ll + l3]]]] % 32;
        int g4 = perm[ii + 1 + perm[jj + 1 + perm[kk + 1 + perm[ll + 1]]]] % 32;
        double n = corner(0.6, x0 * x0 + y0 * y0 + z0 * z0 + w0 * w0, dot(grad4[g0], x0, y0, z0, w0))
                + corner(0.6, x1 * x1 + y1 * y1 + z1 * z1 + w1 * w1, dot(grad4[g1], x1, y1, z1, w1))
                + corner(0.6, x2 * x2 + y2 * y2 + z2 * z2 + w2 * w2, dot(grad4[g2], x2, y2, z2, w2))
                + corner(0.6, x3 * x3 + y3 * y3 + z3 * z3 + w3 * w3, dot(grad4[g3], x3, y3, z3, w3))
                + corner(0.6, x4 * x4 + y4 * y4 + z4 * z4 + w4 * w4, dot(grad4[g4], x4, y4, z4, w4));
        return 27.0 * n;
    }
}
