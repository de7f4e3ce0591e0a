package net.cubeworks.world.generation;

/**
 * The lie of the land at one block column, from 2D noise only: how far inland it is, its
 * warmth and wetness, how hilly, how near a river; from these its biome and the height the
 * terrain is shaped around. Everything is a function of the seed and x, z alone.
 */
final class Climate {
    /** Below this the land is sea floor. */
    static final double COAST = -0.12;

    final double continent;
    final double temperature;
    final double humidity;
    /** 0 flat .. 1 mountains. */
    final double hills;
    /** 0 at a river's middle, 1 away from rivers. */
    final double river;
    final int biome;

    private Climate(double continent, double temperature, double humidity, double hills, double river) {
        this.continent = continent;
        this.temperature = temperature;
        this.humidity = humidity;
        this.hills = hills;
        this.river = river;
        this.biome = classify();
    }

    static Climate at(Shape s, int x, int z) {
        double scale = s.biomeScale;
        double cont = s.continent.fractal(x / (640.0 * scale), z / (640.0 * scale), 4) * 1.6 + 0.18;
        double temp = s.temperature.fractal(x / (360.0 * scale), z / (360.0 * scale), 3) * 1.5;
        double hum = s.humidity.fractal(x / (360.0 * scale), z / (360.0 * scale), 3) * 1.5;
        double hillRaw = s.hillNoise.fractal(x / (300.0 * scale), z / (300.0 * scale), 3) * 1.5;
        double hills = smooth((hillRaw - 0.2) / 0.5);
        double riv = Math.abs(s.riverNoise.fractal(x / (260.0 * scale), z / (260.0 * scale), 3) * 1.5);
        double river = Math.min(1.0, riv / 0.07);
        return new Climate(cont, temp, hum, hills, river);
    }

    static double smooth(double t) {
        if (t <= 0) {
            return 0;
        }
        if (t >= 1) {
            return 1;
        }
        return t * t * (3 - 2 * t);
    }

    private int classify() {
        if (continent < COAST - 0.06) {
            return Biomes.OCEAN;
        }
        if (river < 0.55 && continent >= COAST) {
            return Biomes.RIVER;
        }
        if (continent < COAST + 0.05) {
            return hills > 0.3 ? Biomes.EXTREME_HILLS : continent < COAST ? Biomes.OCEAN : Biomes.BEACH;
        }
        if (hills > 0.55) {
            return Biomes.EXTREME_HILLS;
        }
        if (temperature > 0.3 && humidity < 0.05) {
            return Biomes.DESERT;
        }
        if (temperature < -0.3) {
            return Biomes.TAIGA;
        }
        if (humidity > 0.4 && temperature > -0.1) {
            return Biomes.SWAMPLAND;
        }
        if (humidity > 0.05) {
            return temperature < -0.1 ? Biomes.BIRCH_FOREST : Biomes.FOREST;
        }
        return Biomes.PLAINS;
    }

    /** The height the terrain is shaped around here, in blocks. */
    double baseHeight(double amplify) {
        double c = continent;
        double h;
        if (c < COAST - 0.25) {
            h = 42;
        } else if (c < COAST) {
            h = 42 + (c - (COAST - 0.25)) / 0.25 * 19; // the sea floor rises to the coast
        } else if (c < COAST + 0.1) {
            h = 61 + (c - COAST) / 0.1 * 3.5;
        } else {
            h = 64.5 + (c - COAST - 0.1) * 14;
        }
        if (c >= COAST) {
            h += hills * 38 * amplify;
            double wet = smooth((humidity - 0.3) / 0.15) * smooth((temperature + 0.2) / 0.1);
            h += (62.5 - h) * 0.8 * wet * (1 - hills); // swamps lie just at the water
            double t = 1 - river;
            if (t > 0) {
                h += (56 - h) * smooth(t * 1.6);
            }
        }
        return h;
    }

    /** How far 3D noise may push the ground up or down here, in blocks. */
    double roughness(double amplify) {
        return (3.5 + hills * 16) * amplify;
    }
}
