package net.cubeworks.world.generation;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import net.cubeworks.world.level.Column;

/**
 * The superflat world of a preset in the game's format, "version;layers;biome;features" with
 * layers bottom up as "[count x]id[:data]" separated by commas, e.g. "2;7,2x3,2;1;" (the default:
 * bedrock, two dirt, grass, plains). A preset that cannot be read gives the default.
 */
public final class FlatGenerator implements WorldGenerator {
    public static final String DEFAULT_PRESET = "2;7,2x3,2;1;";

    private final long seed;
    private final String options;
    /** Block id and data by height, up to the top layer. */
    private final int[] ids;
    private final int[] data;
    private final int biome;
    private final boolean isDefault;

    public FlatGenerator(long seed, String preset) {
        this.seed = seed;
        List<int[]> layers = parseLayers(preset);
        int b = parseBiome(preset);
        if (layers == null || b < 0) {
            layers = parseLayers(DEFAULT_PRESET);
            b = 1;
            preset = DEFAULT_PRESET;
        }
        List<Integer> i = new ArrayList<Integer>();
        List<Integer> d = new ArrayList<Integer>();
        for (int[] l : layers) {
            for (int n = 0; n < l[0] && i.size() < 256; n++) {
                i.add(l[1]);
                d.add(l[2]);
            }
        }
        ids = new int[i.size()];
        data = new int[i.size()];
        for (int n = 0; n < ids.length; n++) {
            ids[n] = i.get(n);
            data[n] = d.get(n);
        }
        biome = b;
        options = preset;
        isDefault = Arrays.equals(ids, new int[] {7, 3, 3, 2}) && b == 1 && Arrays.equals(data, new int[4]);
    }

    /** The layers {count, id, data}, or null when the text is not a preset. */
    static List<int[]> parseLayers(String preset) {
        if (preset == null) {
            return null;
        }
        String[] parts = preset.trim().split(";", -1);
        if (parts.length < 2 || !parts[0].trim().matches("\\d+")) {
            return null;
        }
        List<int[]> layers = new ArrayList<int[]>();
        for (String layer : parts[1].split(",")) {
            String s = layer.trim();
            int count = 1;
            int x = s.indexOf('x');
            if (x < 0) {
                x = s.indexOf('*'); // the older versions' separator
            }
            try {
                if (x >= 0) {
                    count = Integer.parseInt(s.substring(0, x).trim());
                    s = s.substring(x + 1).trim();
                }
                int colon = s.indexOf(':');
                int id = Integer.parseInt(colon < 0 ? s : s.substring(0, colon).trim());
                int d = colon < 0 ? 0 : Integer.parseInt(s.substring(colon + 1).trim());
                if (count < 1 || id < 0 || id > 255 || d < 0 || d > 15) {
                    return null;
                }
                layers.add(new int[] {Math.min(count, 256), id, d});
            } catch (NumberFormatException e) {
                return null;
            }
        }
        return layers.isEmpty() ? null : layers;
    }

    private static int parseBiome(String preset) {
        String[] parts = preset == null ? new String[0] : preset.trim().split(";", -1);
        if (parts.length < 3 || parts[2].trim().isEmpty()) {
            return 1;
        }
        try {
            int b = Integer.parseInt(parts[2].trim());
            return b >= 0 && b < 256 ? b : -1;
        } catch (NumberFormatException e) {
            return -1;
        }
    }

    public Column generate(int cx, int cz) {
        Column c = new Column(cx, cz);
        for (int y = 0; y < ids.length; y++) {
            if (ids[y] == 0) {
                continue;
            }
            for (int bz = 0; bz < 16; bz++) {
                for (int bx = 0; bx < 16; bx++) {
                    c.set(bx, y, bz, ids[y], data[y]);
                }
            }
        }
        Arrays.fill(c.biomes(), (byte) biome);
        if (!isDefault) {
            net.cubeworks.world.level.ColumnLight.light(c);
        }
        return c;
    }

    /** The block at height y of every column. */
    public int blockAt(int y) {
        return y >= 0 && y < ids.length ? ids[y] : 0;
    }

    public int dataAt(int y) {
        return y >= 0 && y < ids.length ? data[y] : 0;
    }

    public String name() {
        return "flat";
    }

    public String options() {
        return options;
    }

    public boolean flatDefault() {
        return isDefault;
    }

    public long seed() {
        return seed;
    }

    public int[] spawn() {
        return new int[] {0, ids.length, 0};
    }
}
