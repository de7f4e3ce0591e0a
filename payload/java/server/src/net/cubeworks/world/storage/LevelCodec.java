package net.cubeworks.world.storage;

import java.util.Random;

/** level.dat: a root compound holding "Data", as the 1.7.2 server writes it. */
public final class LevelCodec {
    /** The Anvil format's version number. */
    static final int ANVIL = 19133;
    /** Vanilla's default superflat: bedrock, two dirt, grass, plains. */
    static final String FLAT_OPTIONS = "2;7,2x3,2;1";

    private LevelCodec() {
    }

    static NbtCompound encode(StoredLevel l, long now) {
        NbtCompound keptRoot = l.kept instanceof NbtCompound ? (NbtCompound) l.kept : null;
        NbtCompound keptData = keptRoot != null ? keptRoot.compound("Data") : null;
        NbtCompound root = keptRoot != null ? keptRoot.copy() : new NbtCompound();
        NbtCompound d = keptData != null ? keptData.copy() : new NbtCompound();
        Random random = new Random();

        d.put("version", ANVIL);
        d.put("initialized", (byte) 1);
        d.put("LevelName", l.levelName != null ? l.levelName : "world");
        // the world type the world was made with; a record that names none keeps what it had
        if (l.generatorName != null) {
            d.put("generatorName", l.generatorName);
            d.put("generatorOptions", l.generatorOptions != null ? l.generatorOptions : "");
        } else {
            d.putIfAbsent("generatorName", "flat");
            d.putIfAbsent("generatorOptions", FLAT_OPTIONS);
        }
        d.putIfAbsent("generatorVersion", l.generatorName != null && l.generatorName.equals("default") ? 1 : 0);
        d.put("RandomSeed", l.seed);
        d.putIfAbsent("MapFeatures", (byte) 0);
        d.put("GameType", l.gameType);
        d.put("hardcore", (byte) (l.hardcore ? 1 : 0));
        d.putIfAbsent("allowCommands", (byte) 0);
        d.put("SpawnX", l.spawnX);
        d.put("SpawnY", l.spawnY);
        d.put("SpawnZ", l.spawnZ);
        d.put("Time", l.time);
        d.put("DayTime", l.dayTime);
        d.put("LastPlayed", now);
        d.putIfAbsent("SizeOnDisk", 0L);
        d.put("raining", (byte) (l.raining ? 1 : 0));
        d.put("rainTime", l.rainTime > 0 ? l.rainTime : 12000 + random.nextInt(168000));
        d.put("thundering", (byte) (l.thundering ? 1 : 0));
        d.put("thunderTime", l.thunderTime > 0 ? l.thunderTime : 12000 + random.nextInt(168000));
        if (!(d.get("GameRules") instanceof NbtCompound)) {
            d.put("GameRules", defaultGameRules());
        }
        if (l.gameRules != null) {
            NbtCompound rules = ((NbtCompound) d.get("GameRules")).copy();
            for (java.util.Map.Entry<String, String> e : l.gameRules.entrySet()) {
                rules.put(e.getKey(), e.getValue());
            }
            d.put("GameRules", rules);
        }
        root.put("Data", d);
        return root;
    }

    /** The rules a new 1.7.2 world starts with; the game keeps them as strings. */
    static NbtCompound defaultGameRules() {
        NbtCompound r = new NbtCompound();
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

    static StoredLevel decode(NbtCompound root) throws Nbt.FormatException {
        NbtCompound d = root.compound("Data");
        if (d == null) {
            throw new Nbt.FormatException("it has no Data compound");
        }
        StoredLevel l = new StoredLevel();
        l.levelName = d.string("LevelName", "world");
        l.spawnX = (int) d.number("SpawnX", 0);
        l.spawnY = (int) d.number("SpawnY", 4);
        l.spawnZ = (int) d.number("SpawnZ", 0);
        l.time = d.number("Time", 0);
        l.dayTime = d.number("DayTime", l.time);
        l.gameType = (int) d.number("GameType", 0);
        l.hardcore = d.number("hardcore", 0) != 0;
        l.raining = d.number("raining", 0) != 0;
        l.thundering = d.number("thundering", 0) != 0;
        l.rainTime = (int) Math.max(0, Math.min(Integer.MAX_VALUE, d.number("rainTime", 0)));
        l.thunderTime = (int) Math.max(0, Math.min(Integer.MAX_VALUE, d.number("thunderTime", 0)));
        l.seed = d.number("RandomSeed", 0);
        Object name = d.get("generatorName");
        l.generatorName = name instanceof String ? (String) name : null;
        Object options = d.get("generatorOptions");
        l.generatorOptions = options instanceof String ? (String) options : "";
        Object rules = d.get("GameRules");
        if (rules instanceof NbtCompound) {
            l.gameRules = new java.util.LinkedHashMap<String, String>();
            for (java.util.Map.Entry<String, Object> e : ((NbtCompound) rules).entries()) {
                if (e.getValue() instanceof String) {
                    l.gameRules.put(e.getKey(), (String) e.getValue());
                }
            }
        }
        l.kept = root;
        return l;
    }
}
