package net.cubeworks.world.storage;

/** The world's own settings and clock, kept in level.dat. */
public final class StoredLevel {
    public String levelName;
    public int spawnX, spawnY, spawnZ;
    public long time, dayTime;
    /** The weather: whether it rains and thunders, and the ticks until each turns (0: a new time is drawn). */
    public boolean raining, thundering;
    public int rainTime, thunderTime;
    public int gameType;
    public boolean hardcore;
    public long seed;
    /** The world type level.dat names ("flat", "default", ...), and its options; null when it names none. */
    public String generatorName;
    public String generatorOptions;
    /** The game rules by name, as strings, in the order level.dat has them; null: the defaults. */
    public java.util.Map<String, String> gameRules;
    /** Tags of level.dat the world does not model; written back unchanged. */
    public Object kept;
}
