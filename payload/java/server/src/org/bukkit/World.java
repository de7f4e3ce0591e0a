package org.bukkit;

import java.io.File;
import java.util.Collection;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;

import org.bukkit.block.Biome;
import org.bukkit.block.Block;
import org.bukkit.entity.Arrow;
import org.bukkit.entity.CreatureType;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.FallingBlock;
import org.bukkit.entity.Item;
import org.bukkit.entity.LightningStrike;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.inventory.ItemStack;
import org.bukkit.metadata.Metadatable;
import org.bukkit.util.Vector;

/** A world: its blocks by column, its players, its spawn point and clocks. */
public interface World extends Metadatable {
    Block getBlockAt(int x, int y, int z);

    Block getBlockAt(Location location);

    int getBlockTypeIdAt(int x, int y, int z);

    int getBlockTypeIdAt(Location location);

    /** One above the highest block that is not air at the column, 0 when it is all air. */
    int getHighestBlockYAt(int x, int z);

    int getHighestBlockYAt(Location location);

    Block getHighestBlockAt(int x, int z);

    Block getHighestBlockAt(Location location);

    Chunk getChunkAt(int x, int z);

    Chunk getChunkAt(Location location);

    Chunk getChunkAt(Block block);

    boolean isChunkLoaded(Chunk chunk);

    Chunk[] getLoadedChunks();

    void loadChunk(Chunk chunk);

    boolean isChunkLoaded(int x, int z);

    boolean isChunkInUse(int x, int z);

    void loadChunk(int x, int z);

    boolean loadChunk(int x, int z, boolean generate);

    boolean unloadChunk(Chunk chunk);

    boolean unloadChunk(int x, int z);

    boolean unloadChunk(int x, int z, boolean save);

    boolean unloadChunk(int x, int z, boolean save, boolean safe);

    boolean unloadChunkRequest(int x, int z);

    boolean unloadChunkRequest(int x, int z, boolean safe);

    boolean regenerateChunk(int x, int z);

    boolean refreshChunk(int x, int z);

    List<Entity> getEntities();

    List<Player> getPlayers();

    String getName();

    UUID getUID();

    Location getSpawnLocation();

    boolean setSpawnLocation(int x, int y, int z);

    /** The time of day in ticks, 0 to 23999. */
    long getTime();

    void setTime(long time);

    /** Ticks the world has run through. */
    long getFullTime();

    void setFullTime(long time);

    boolean hasStorm();

    void setStorm(boolean hasStorm);

    int getWeatherDuration();

    void setWeatherDuration(int duration);

    boolean isThundering();

    void setThundering(boolean thundering);

    int getThunderDuration();

    void setThunderDuration(int duration);

    boolean createExplosion(double x, double y, double z, float power);

    boolean createExplosion(Location loc, float power);

    Environment getEnvironment();

    long getSeed();

    boolean getPVP();

    void setPVP(boolean pvp);

    void save();

    boolean getAllowAnimals();

    boolean getAllowMonsters();

    int getMaxHeight();

    int getSeaLevel();

    boolean getKeepSpawnInMemory();

    void setKeepSpawnInMemory(boolean keepLoaded);

    boolean isAutoSave();

    void setAutoSave(boolean value);

    void setDifficulty(Difficulty difficulty);

    Difficulty getDifficulty();

    File getWorldFolder();

    WorldType getWorldType();

    boolean canGenerateStructures();

    String[] getGameRules();

    String getGameRuleValue(String rule);

    boolean setGameRuleValue(String rule, String value);

    boolean isGameRule(String rule);

    /** The dimensions, with the game's ids. */
    enum Environment {
        NORMAL(0),
        NETHER(-1),
        THE_END(1);

        private static final Map<Integer, Environment> lookup = new HashMap<Integer, Environment>();

        static {
            for (Environment env : values()) {
                lookup.put(env.getId(), env);
            }
        }

        private final int id;

        Environment(int id) {
            this.id = id;
        }

        public int getId() {
            return id;
        }

        public static Environment getEnvironment(int id) {
            return lookup.get(id);
        }
    }

    // --- entities, effects and sounds ---

    /** The living entities of the world: its players, the only entities this server has. */
    List<LivingEntity> getLivingEntities();

    @Deprecated
    <T extends Entity> Collection<T> getEntitiesByClass(Class<T>... classes);

    <T extends Entity> Collection<T> getEntitiesByClass(Class<T> cls);

    Collection<Entity> getEntitiesByClasses(Class<?>... classes);

    /** Spawns an entity of that interface; null for a kind this server does not simulate. */
    <T extends Entity> T spawn(Location location, Class<T> clazz) throws IllegalArgumentException;

    Entity spawnEntity(Location loc, EntityType type);

    @Deprecated
    LivingEntity spawnCreature(Location loc, EntityType type);

    @Deprecated
    LivingEntity spawnCreature(Location loc, CreatureType type);

    Item dropItem(Location location, ItemStack item);

    Item dropItemNaturally(Location location, ItemStack item);

    Arrow spawnArrow(Location location, Vector direction, float speed, float spread);

    FallingBlock spawnFallingBlock(Location location, Material material, byte data) throws IllegalArgumentException;

    @Deprecated
    FallingBlock spawnFallingBlock(Location location, int blockId, byte blockData) throws IllegalArgumentException;

    /** Lightning that strikes: the bolt is shown to the players near. */
    LightningStrike strikeLightning(Location loc);

    /** Lightning shown only: it does no harm. */
    LightningStrike strikeLightningEffect(Location loc);

    @Deprecated
    void playEffect(Location location, Effect effect, int data);

    @Deprecated
    void playEffect(Location location, Effect effect, int data, int radius);

    <T> void playEffect(Location location, Effect effect, T data);

    <T> void playEffect(Location location, Effect effect, T data, int radius);

    void playSound(Location location, Sound sound, float volume, float pitch);

    boolean createExplosion(double x, double y, double z, float power, boolean setFire);

    boolean createExplosion(double x, double y, double z, float power, boolean setFire, boolean breakBlocks);

    boolean createExplosion(Location loc, float power, boolean setFire);

    // --- biomes, trees, generators and spawning (blocks) ---

    Biome getBiome(int x, int z);

    void setBiome(int x, int z, Biome bio);

    double getTemperature(int x, int z);

    double getHumidity(int x, int z);

    boolean generateTree(Location location, TreeType type);

    boolean generateTree(Location loc, TreeType type, BlockChangeDelegate delegate);

    org.bukkit.generator.ChunkGenerator getGenerator();

    List<org.bukkit.generator.BlockPopulator> getPopulators();

    ChunkSnapshot getEmptyChunkSnapshot(int x, int z, boolean includeBiome, boolean includeBiomeTempRain);

    void setSpawnFlags(boolean allowMonsters, boolean allowAnimals);

    long getTicksPerAnimalSpawns();

    void setTicksPerAnimalSpawns(int ticksPerAnimalSpawns);

    long getTicksPerMonsterSpawns();

    void setTicksPerMonsterSpawns(int ticksPerMonsterSpawns);

    int getMonsterSpawnLimit();

    void setMonsterSpawnLimit(int limit);

    int getAnimalSpawnLimit();

    void setAnimalSpawnLimit(int limit);

    int getWaterAnimalSpawnLimit();

    void setWaterAnimalSpawnLimit(int limit);

    int getAmbientSpawnLimit();

    void setAmbientSpawnLimit(int limit);
}
