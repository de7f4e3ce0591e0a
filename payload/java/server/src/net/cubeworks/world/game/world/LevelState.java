package net.cubeworks.world.game.world;

import java.util.Random;

import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.generation.WorldGenerator;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.StoredLevel;

/**
 * The level as the game uses it: the spawn point, the clocks, the world type and seed; what
 * level.dat holds besides rides along.
 */
public final class LevelState {
    public int spawnX;
    public int spawnY = Column.FLAT_HEIGHT;
    public int spawnZ;
    /** Ticks the world has run, and the time of day. */
    public long time;
    public long dayTime;
    /** The weather (see {@link Weather}). */
    public boolean raining;
    public boolean thundering;
    public int rainTime;
    public int thunderTime;
    /** The world type as level.dat names it ("flat", "default", "largeBiomes", "amplified") and its options. */
    public String generatorName = "flat";
    public String generatorOptions = "";
    public long seed;
    /** The game rules by name: the 1.7.2 ones with their defaults, as level.dat has them. */
    public final java.util.Map<String, String> gameRules = defaultRules();
    /** The stored record it came from, for what the game does not use; null for a new world. */
    private StoredLevel stored;

    /** A new world's level: its type and seed from the settings (level-type, level-seed, generator-settings). */
    public static LevelState fresh(ServerProperties settings, Random random) {
        LevelState l = new LevelState();
        l.generatorName = WorldChoice.generatorName(settings.levelType());
        l.generatorOptions = l.generatorName.equals("flat") ? settings.generatorSettings() : "";
        l.seed = WorldChoice.seed(settings.levelSeed(), random);
        return l;
    }

    /**
     * The generator of the level's world type, seed and options (the options as the generator
     * reads them from here on); with placeSpawn (a new world) the spawn goes where the land has one.
     */
    public WorldGenerator generator(boolean placeSpawn) {
        WorldGenerator g = WorldChoice.generator(generatorName, seed, generatorOptions);
        generatorOptions = g.options();
        if (placeSpawn) {
            int[] spawn = g.spawn();
            spawnX = spawn[0];
            spawnY = spawn[1];
            spawnZ = spawn[2];
        }
        return g;
    }

    /** The level of a stored record, or a new one; a spawn no player could stand at is left at the default. */
    public static LevelState from(StoredLevel s) {
        LevelState l = new LevelState();
        if (s == null) {
            return l;
        }
        if (s.spawnY >= 0 && s.spawnY < 256 && Math.abs(s.spawnX) < ColumnKey.MAX_COORD
                && Math.abs(s.spawnZ) < ColumnKey.MAX_COORD) {
            l.spawnX = s.spawnX;
            l.spawnY = s.spawnY;
            l.spawnZ = s.spawnZ;
        }
        l.time = s.time;
        l.dayTime = s.dayTime;
        l.raining = s.raining;
        l.thundering = s.thundering;
        l.rainTime = s.rainTime;
        l.thunderTime = s.thunderTime;
        // a record naming no world type is of a natural world, as the game reads it
        l.generatorName = s.generatorName != null ? s.generatorName : "default";
        l.generatorOptions = s.generatorOptions != null ? s.generatorOptions : "";
        l.seed = s.seed;
        if (s.gameRules != null) {
            l.gameRules.putAll(s.gameRules);
        }
        l.stored = s;
        return l;
    }

    /** A stored record of the level now, with the settings the server runs with. */
    public StoredLevel toStored(int gameType, boolean hardcore, String levelName) {
        StoredLevel s = new StoredLevel();
        if (stored != null) {
            s.kept = stored.kept;
        }
        s.seed = seed;
        s.generatorName = generatorName;
        s.generatorOptions = generatorOptions;
        s.levelName = levelName;
        s.spawnX = spawnX;
        s.spawnY = spawnY;
        s.spawnZ = spawnZ;
        s.time = time;
        s.dayTime = dayTime;
        s.raining = raining;
        s.thundering = thundering;
        s.rainTime = rainTime;
        s.thunderTime = thunderTime;
        s.gameType = gameType;
        s.hardcore = hardcore;
        s.gameRules = new java.util.LinkedHashMap<String, String>(gameRules);
        return s;
    }

    /** The rules of a new 1.7.2 world. */
    static java.util.Map<String, String> defaultRules() {
        java.util.Map<String, String> r = new java.util.LinkedHashMap<String, String>();
        r.put("doFireTick", "true");
        r.put("mobGriefing", "true");
        r.put("keepInventory", "false");
        r.put("doMobSpawning", "true");
        r.put("doMobLoot", "true");
        r.put("doTileDrops", "true");
        r.put("commandBlockOutput", "true");
        r.put("naturalRegeneration", "true");
        r.put("doDaylightCycle", "true");
        return r;
    }
}
