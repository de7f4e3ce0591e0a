package net.cubeworks.world.game.player;

import java.util.EnumSet;
import java.util.HashMap;
import java.util.Map;
import java.util.Set;

import org.bukkit.Achievement;
import org.bukkit.Material;
import org.bukkit.Statistic;
import org.bukkit.entity.EntityType;

/**
 * A player's statistics and achievements, kept for the session. A statistic that counts per
 * kind is kept per block, item or entity kind; the others once.
 */
public final class PlayerStats {
    /** The game's names of the achievements, in the API's order, as the Statistics packet carries them. */
    private static final String[] ACHIEVEMENT_NAMES = {
        "openInventory", "mineWood", "buildWorkBench", "buildPickaxe", "buildFurnace", "acquireIron", "buildHoe",
        "makeBread", "bakeCake", "buildBetterPickaxe", "cookFish", "onARail", "buildSword", "killEnemy", "killCow",
        "flyPig", "snipeSkeleton", "diamonds", "portal", "ghast", "blazeRod", "potion", "theEnd", "theEnd2",
        "enchantments", "overkill", "bookcase", "exploreAllBiomes", "spawnWither", "killWither", "fullBeacon",
        "breedCow", "diamondsToYou",
    };

    private final Map<String, Integer> counts = new HashMap<String, Integer>();
    private final Set<Achievement> achievements = EnumSet.noneOf(Achievement.class);

    public static String achievementName(Achievement a) {
        return "achievement." + ACHIEVEMENT_NAMES[a.ordinal()];
    }

    public static int achievementCount() {
        return ACHIEVEMENT_NAMES.length;
    }

    private static String key(Statistic s) {
        if (s == null) {
            throw new IllegalArgumentException("statistic");
        }
        if (s.getType() != Statistic.Type.UNTYPED) {
            throw new IllegalArgumentException(s + " counts per " + s.getType().name().toLowerCase() + ": name one");
        }
        return s.name();
    }

    private static String key(Statistic s, Material m) {
        if (s == null || m == null) {
            throw new IllegalArgumentException("statistic and material");
        }
        if (s.getType() == Statistic.Type.BLOCK ? !m.isBlock() : s.getType() != Statistic.Type.ITEM) {
            throw new IllegalArgumentException(s + " does not count per " + (m.isBlock() ? "block" : "item"));
        }
        return s.name() + ":" + m.name();
    }

    private static String key(Statistic s, EntityType e) {
        if (s == null || e == null) {
            throw new IllegalArgumentException("statistic and entity type");
        }
        if (s.getType() != Statistic.Type.ENTITY) {
            throw new IllegalArgumentException(s + " does not count per entity kind");
        }
        return s.name() + ":" + e.name();
    }

    public synchronized int get(Statistic s) {
        return get(key(s));
    }

    public synchronized int get(Statistic s, Material m) {
        return get(key(s, m));
    }

    public synchronized int get(Statistic s, EntityType e) {
        return get(key(s, e));
    }

    /** Adds to a statistic (a negative amount takes away, not below 0). */
    public synchronized void add(Statistic s, int amount) {
        add(key(s), amount);
    }

    public synchronized void add(Statistic s, Material m, int amount) {
        add(key(s, m), amount);
    }

    public synchronized void add(Statistic s, EntityType e, int amount) {
        add(key(s, e), amount);
    }

    public synchronized void set(Statistic s, int value) {
        set(key(s), value);
    }

    public synchronized void set(Statistic s, Material m, int value) {
        set(key(s, m), value);
    }

    public synchronized void set(Statistic s, EntityType e, int value) {
        set(key(s, e), value);
    }

    private int get(String key) {
        Integer v = counts.get(key);
        return v == null ? 0 : v;
    }

    private void add(String key, int amount) {
        long next = (long) get(key) + amount;
        set(key, (int) Math.max(0, Math.min(Integer.MAX_VALUE, next)));
    }

    private void set(String key, int value) {
        if (value < 0) {
            throw new IllegalArgumentException("a statistic cannot be below 0");
        }
        counts.put(key, value);
    }

    /** Awards the achievement with any parents not yet had, parents first; returns those newly had. */
    public synchronized java.util.List<Achievement> award(Achievement a) {
        java.util.LinkedList<Achievement> chain = new java.util.LinkedList<Achievement>();
        for (Achievement at = a; at != null && !achievements.contains(at); at = at.getParent()) {
            chain.addFirst(at);
        }
        achievements.addAll(chain);
        return chain;
    }

    public synchronized void remove(Achievement a) {
        achievements.remove(a);
    }

    public synchronized boolean has(Achievement a) {
        return achievements.contains(a);
    }
}
