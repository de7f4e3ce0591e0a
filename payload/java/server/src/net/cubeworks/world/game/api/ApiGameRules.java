package net.cubeworks.world.game.api;

import java.util.function.Supplier;

import net.cubeworks.world.game.world.LevelState;

/**
 * The world's game rules as plugins see them: the rules the level has, by name, read and set under
 * the world lock and saved in level.dat with the world. A plugin cannot add a rule the world does
 * not have. The level is looked up at each use (it is read at start-up).
 */
public final class ApiGameRules {
    private final Object lock;
    private final Supplier<LevelState> level;

    public ApiGameRules(Object lock, Supplier<LevelState> level) {
        this.lock = lock;
        this.level = level;
    }

    public String[] names() {
        synchronized (lock) {
            return level.get().gameRules.keySet().toArray(new String[0]);
        }
    }

    /** The rule's value; null for no such rule. */
    public String value(String rule) {
        if (rule == null) {
            return null;
        }
        synchronized (lock) {
            return level.get().gameRules.get(rule);
        }
    }

    /** Sets a rule the world has; false for no such rule. */
    public boolean set(String rule, String value) {
        if (rule == null || value == null) {
            return false;
        }
        synchronized (lock) {
            if (!level.get().gameRules.containsKey(rule)) {
                return false;
            }
            level.get().gameRules.put(rule, value);
            return true;
        }
    }

    public boolean has(String rule) {
        if (rule == null) {
            return false;
        }
        synchronized (lock) {
            return level.get().gameRules.containsKey(rule);
        }
    }
}
