package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.Color;
import org.bukkit.FireworkEffect;

/** A firework burst as the game keeps it: {Type, Colors, FadeColors, Flicker, Trail}. */
final class Explosions {
    private Explosions() {
    }

    static Map<String, Object> toTag(FireworkEffect e) {
        Map<String, Object> m = new LinkedHashMap<String, Object>();
        m.put("Flicker", (byte) (e.hasFlicker() ? 1 : 0));
        m.put("Trail", (byte) (e.hasTrail() ? 1 : 0));
        m.put("Type", (byte) e.getType().ordinal());
        m.put("Colors", rgb(e.getColors()));
        m.put("FadeColors", rgb(e.getFadeColors()));
        return m;
    }

    private static int[] rgb(List<Color> colors) {
        int[] out = new int[colors.size()];
        for (int i = 0; i < out.length; i++) {
            out[i] = colors.get(i).asRGB();
        }
        return out;
    }

    /** The burst of the tag; null when it has no colour (the game draws none then). */
    static FireworkEffect fromTag(Object o) {
        if (!(o instanceof Map)) {
            return null;
        }
        Map<?, ?> m = (Map<?, ?>) o;
        List<Color> colors = colors(m.get("Colors"));
        if (colors.isEmpty()) {
            return null;
        }
        int type = m.get("Type") instanceof Number ? ((Number) m.get("Type")).intValue() : 0;
        FireworkEffect.Type[] types = FireworkEffect.Type.values();
        return FireworkEffect.builder().with(types[type >= 0 && type < types.length ? type : 0]).withColor(colors)
                .withFade(colors(m.get("FadeColors"))).flicker(flag(m.get("Flicker"))).trail(flag(m.get("Trail")))
                .build();
    }

    private static boolean flag(Object o) {
        return o instanceof Number && ((Number) o).intValue() != 0;
    }

    private static List<Color> colors(Object o) {
        List<Color> out = new ArrayList<Color>();
        if (o instanceof int[]) {
            for (int c : (int[]) o) {
                out.add(Color.fromRGB(c & 0xFFFFFF));
            }
        }
        return out;
    }
}
