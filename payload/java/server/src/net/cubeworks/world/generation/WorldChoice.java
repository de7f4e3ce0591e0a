package net.cubeworks.world.generation;

import java.util.Locale;
import java.util.Random;

/**
 * The world type and seed of a world: for a new world from the server's settings (level-type,
 * level-seed, generator-settings), for a kept one from what its level.dat says. DEFAULT is the
 * natural world; LARGEBIOMES is the same land with biomes four times as wide; AMPLIFIED the same
 * with hills twice as tall; FLAT the superflat world of generator-settings.
 */
public final class WorldChoice {
    private WorldChoice() {
    }

    /** The seed level-seed asks for: a number as it is, other text its hash, empty (or 0) a random one. */
    public static long seed(String levelSeed, Random random) {
        long seed = random.nextLong();
        String s = levelSeed == null ? "" : levelSeed.trim();
        if (!s.isEmpty()) {
            try {
                long n = Long.parseLong(s);
                if (n != 0L) {
                    seed = n;
                }
            } catch (NumberFormatException e) {
                seed = s.hashCode();
            }
        }
        return seed;
    }

    /** The generatorName level.dat keeps for a level-type setting; an unknown one is "default". */
    public static String generatorName(String levelType) {
        String t = levelType == null ? "" : levelType.trim().toLowerCase(Locale.ROOT);
        if (t.equals("flat")) {
            return "flat";
        }
        if (t.equals("largebiomes")) {
            return "largeBiomes";
        }
        if (t.equals("amplified")) {
            return "amplified";
        }
        return "default";
    }

    /** The generator of a generatorName (as level.dat keeps it, any case) with its seed and options. */
    public static WorldGenerator generator(String generatorName, long seed, String options) {
        String n = generatorName == null ? "default" : generatorName.toLowerCase(Locale.ROOT);
        if (n.equals("flat")) {
            return new FlatGenerator(seed, options == null || options.trim().isEmpty()
                    ? FlatGenerator.DEFAULT_PRESET : options);
        }
        if (n.equals("largebiomes")) {
            return new NaturalGenerator(seed, 4.0, 1.0, "largeBiomes");
        }
        if (n.equals("amplified")) {
            return new NaturalGenerator(seed, 1.0, 2.0, "amplified");
        }
        return new NaturalGenerator(seed, 1.0, 1.0, "default");
    }

    /** The client's name of the world type in Join Game and Respawn. */
    public static String clientLevelType(String generatorName) {
        String n = generatorName == null ? "default" : generatorName.toLowerCase(Locale.ROOT);
        if (n.equals("flat")) {
            return "flat";
        }
        if (n.equals("largebiomes")) {
            return "largeBiomes";
        }
        if (n.equals("amplified")) {
            return "amplified";
        }
        return "default";
    }
}
