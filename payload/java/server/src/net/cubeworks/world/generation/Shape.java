package net.cubeworks.world.generation;

/**
 * The shape of the natural land for one seed: which blocks are solid ground and where caves
 * run. Both are sampled on a coarse grid (every 4 blocks across, 8 up for the ground, 4 for
 * caves) and blended in between, the same way for a whole column as for a single block, so the
 * ground under a tree that grows across a column's border is the same seen from either side.
 */
final class Shape {
    static final int SEA_LEVEL = 62;
    /** The highest block the ground grid reaches. */
    static final int GROUND_LEVELS = 33;
    static final int CAVE_LEVELS = 33;
    /** Caves run up to this height. */
    static final int CAVE_TOP = 128;

    final long seed;
    final double biomeScale;
    final double amplify;
    final Noise continent;
    final Noise temperature;
    final Noise humidity;
    final Noise hillNoise;
    final Noise riverNoise;
    private final Noise ground;
    private final Noise groundFine;
    private final Noise caveA;
    private final Noise caveB;

    Shape(long seed, double biomeScale, double amplify) {
        this.seed = seed;
        this.biomeScale = biomeScale;
        this.amplify = amplify;
        continent = new Noise(seed ^ 0x1F3A5C7E9B2D4F61L);
        temperature = new Noise(seed * 31 + 0x5DEECE66DL);
        humidity = new Noise(seed * 37 + 0x2545F4914F6CDD1DL);
        hillNoise = new Noise(seed * 41 + 0x9E3779B97F4A7C15L);
        riverNoise = new Noise(seed * 43 + 0xC2B2AE3D27D4EB4FL);
        ground = new Noise(seed * 47 + 0x165667B19E3779F9L);
        groundFine = new Noise(seed * 53 + 0x27D4EB2F165667C5L);
        caveA = new Noise(seed * 59 + 0x85EBCA77C2B2AE63L);
        caveB = new Noise(seed * 61 + 0xFF51AFD7ED558CCDL);
    }

    /** The samples for grid columns gx0 .. gx0+w-1, gz0 .. gz0+h-1 (grid x = block x / 4). */
    Grid grid(int gx0, int gz0, int w, int h) {
        return grid(gx0, gz0, w, h, true);
    }

    /** The 5 x 5 samples of a column's generation, in arrays this thread keeps for its next column. */
    Grid columnGrid(int gx0, int gz0) {
        Grid g = COLUMN_GRID.get();
        if (g == null || g.shape != this) {
            g = new Grid(this, gx0, gz0, 5, 5);
            COLUMN_GRID.set(g);
        }
        g.gx0 = gx0;
        g.gz0 = gz0;
        return fill(g, true);
    }

    private static final ThreadLocal<Grid> COLUMN_GRID = new ThreadLocal<Grid>();

    /**
     * The samples around one block column, the caves' only where a block is asked about: what a
     * tree or the spawn needs to know of the ground at one place.
     */
    Grid around(int x, int z) {
        return grid(x >> 2, z >> 2, 2, 2, false);
    }

    private double caveA(int x, int y, int z) {
        return caveA.at(x / 44.0, y / 22.0, z / 44.0);
    }

    private double caveB(int x, int y, int z) {
        return caveB.at(x / 44.0, y / 22.0, z / 44.0);
    }

    private Grid grid(int gx0, int gz0, int w, int h, boolean caves) {
        return fill(new Grid(this, gx0, gz0, w, h), caves);
    }

    private Grid fill(Grid g, boolean caves) {
        int gx0 = g.gx0;
        int gz0 = g.gz0;
        int w = g.w;
        int h = g.h;
        for (int i = 0; i < w; i++) {
            for (int j = 0; j < h; j++) {
                int x = (gx0 + i) << 2;
                int z = (gz0 + j) << 2;
                Climate c = Climate.at(this, x, z);
                double base = c.baseHeight(amplify);
                double rough = c.roughness(amplify);
                int at = (i * h + j) * GROUND_LEVELS;
                for (int gy = 0; gy < GROUND_LEVELS; gy++) {
                    int y = gy << 3;
                    double d = base - y;
                    if (d > rough * 1.3 + 1 || d < -rough * 1.3 - 1) {
                        g.ground[at + gy] = d; // beyond what the noise could turn
                    } else {
                        double n = ground.at(x / 60.0, y / 42.0, z / 60.0) * 0.8
                                + groundFine.at(x / 22.0, y / 16.0, z / 22.0) * 0.3;
                        g.ground[at + gy] = d + n * rough;
                    }
                }
                int ct = (i * h + j) * CAVE_LEVELS;
                for (int gy = 0; gy < CAVE_LEVELS; gy++) {
                    int y = gy << 2;
                    if (caves) {
                        g.caveA[ct + gy] = caveA(x, y, z);
                        g.caveB[ct + gy] = caveB(x, y, z);
                    } else {
                        g.caveA[ct + gy] = Double.NaN; // made when asked for
                    }
                }
            }
        }
        return g;
    }

    /** The grid samples of a region, and the solid/cave tests for blocks inside it. */
    static final class Grid {
        int gx0;
        int gz0;
        final int w;
        final int h;
        final double[] ground;
        final double[] caveA;
        final double[] caveB;

        private final Shape shape;

        Grid(Shape shape, int gx0, int gz0, int w, int h) {
            this.shape = shape;
            this.gx0 = gx0;
            this.gz0 = gz0;
            this.w = w;
            this.h = h;
            ground = new double[w * h * GROUND_LEVELS];
            caveA = new double[w * h * CAVE_LEVELS];
            caveB = new double[w * h * CAVE_LEVELS];
        }

        private static double lerp(double t, double a, double b) {
            return a + t * (b - a);
        }

        /** True when the ground is solid at block x, y, z (before caves). */
        boolean solid(int x, int y, int z) {
            int i = (x >> 2) - gx0;
            int j = (z >> 2) - gz0;
            int gy = y >> 3;
            int a = (i * h + j) * GROUND_LEVELS + gy;
            int b = ((i + 1) * h + j) * GROUND_LEVELS + gy;
            int c = (i * h + j + 1) * GROUND_LEVELS + gy;
            int d = ((i + 1) * h + j + 1) * GROUND_LEVELS + gy;
            double v000 = ground[a], v001 = ground[a + 1], v100 = ground[b], v101 = ground[b + 1];
            double v010 = ground[c], v011 = ground[c + 1], v110 = ground[d], v111 = ground[d + 1];
            if (v000 > 0 && v001 > 0 && v100 > 0 && v101 > 0 && v010 > 0 && v011 > 0 && v110 > 0 && v111 > 0) {
                return true;
            }
            if (v000 <= 0 && v001 <= 0 && v100 <= 0 && v101 <= 0 && v010 <= 0 && v011 <= 0 && v110 <= 0
                    && v111 <= 0) {
                return false;
            }
            double fx = (x & 3) / 4.0;
            double fz = (z & 3) / 4.0;
            double fy = (y & 7) / 8.0;
            double lo = lerp(fz, lerp(fx, v000, v100), lerp(fx, v010, v110));
            double hi = lerp(fz, lerp(fx, v001, v101), lerp(fx, v011, v111));
            return lerp(fy, lo, hi) > 0;
        }

        /** The highest solid block of the ground (before caves) at x, z, or -1. */
        int top(int x, int z) {
            for (int y = (GROUND_LEVELS - 1) * 8 - 1; y >= 0; y--) {
                if (solid(x, y, z)) {
                    return y;
                }
            }
            return -1;
        }

        /** True when a cave runs through block x, y, z (y 1 .. CAVE_TOP-1). */
        boolean cave(int x, int y, int z) {
            if (y < 1 || y >= CAVE_TOP) {
                return false;
            }
            int i = (x >> 2) - gx0;
            int j = (z >> 2) - gz0;
            int gy = y >> 2;
            double fx = (x & 3) / 4.0;
            double fz = (z & 3) / 4.0;
            double fy = (y & 3) / 4.0;
            double a = sample(caveA, i, j, gy, fx, fy, fz);
            double b = sample(caveB, i, j, gy, fx, fy, fz);
            double width = y < 20 ? 0.010 : y < 60 ? 0.008 : 0.005;
            return a * a + b * b < width;
        }

        /** Makes the cave samples at one grid point if they were left for later. */
        private void caveAt(int idx, int i, int j, int gy) {
            if (Double.isNaN(caveA[idx])) {
                int x = (gx0 + i) << 2;
                int z = (gz0 + j) << 2;
                caveA[idx] = shape.caveA(x, gy << 2, z);
                caveB[idx] = shape.caveB(x, gy << 2, z);
            }
        }

        private double sample(double[] v, int i, int j, int gy, double fx, double fy, double fz) {
            int a = (i * h + j) * CAVE_LEVELS + gy;
            int b = ((i + 1) * h + j) * CAVE_LEVELS + gy;
            int c = (i * h + j + 1) * CAVE_LEVELS + gy;
            int d = ((i + 1) * h + j + 1) * CAVE_LEVELS + gy;
            if (v == caveA) {
                for (int k = 0; k < 2; k++) {
                    caveAt(a + k, i, j, gy + k);
                    caveAt(b + k, i + 1, j, gy + k);
                    caveAt(c + k, i, j + 1, gy + k);
                    caveAt(d + k, i + 1, j + 1, gy + k);
                }
            }
            double lo = lerp(fz, lerp(fx, v[a], v[b]), lerp(fx, v[c], v[d]));
            double hi = lerp(fz, lerp(fx, v[a + 1], v[b + 1]), lerp(fx, v[c + 1], v[d + 1]));
            return lerp(fy, lo, hi);
        }
    }

    /**
     * True when a cave opens block x, y, z of a block column whose ground tops out at top: caves
     * stay clear of the sea and rivers (no cave opens within 6 blocks under water).
     */
    static boolean carved(Grid g, int x, int y, int z, int top) {
        if (top <= SEA_LEVEL + 1 && y > top - 6) {
            return false;
        }
        return g.cave(x, y, z);
    }
}
