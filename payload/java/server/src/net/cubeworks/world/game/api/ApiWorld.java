package net.cubeworks.world.game.api;

import java.io.File;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.Collection;
import java.util.List;
import java.util.UUID;
import java.util.concurrent.Callable;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.function.IntConsumer;
import java.util.function.IntSupplier;
import java.util.function.LongConsumer;
import java.util.function.Supplier;
import java.util.logging.Logger;

import org.bukkit.BlockChangeDelegate;
import org.bukkit.Chunk;
import org.bukkit.ChunkSnapshot;
import org.bukkit.Difficulty;
import org.bukkit.Effect;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.Sound;
import org.bukkit.TreeType;
import org.bukkit.World;
import org.bukkit.WorldType;
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
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.generator.BlockPopulator;
import org.bukkit.generator.ChunkGenerator;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryHolder;
import org.bukkit.inventory.ItemStack;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.Chest;
import net.cubeworks.world.game.block.Furnaces;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.EffectData;
import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.ItemDrops;
import net.cubeworks.world.game.mob.Mobs;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.ColumnKeeping;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.game.world.Weather;
import net.cubeworks.world.settings.ServerProperties;

/**
 * The game's one world as plugins see it. Each member hands its call to the part whose job it is:
 * the blocks, biomes and trees (ApiWorldBlocks), the entities and what plugins spawn and drop
 * (ApiWorldEntities), effects and sounds for the players near (ApiWorldEffects), the columns
 * (ApiWorldColumns), the clock and the weather (ApiClocks), the spawn flags and limits
 * (ApiSpawnLimits), the game rules (ApiGameRules), the blocks' inventories (ApiBlockInventories)
 * and the spawn point, seed and difficulty (ApiWorldSettings); the world's name and other settings
 * it answers itself. Reads take the world lock for a moment; changes are carried out on the game
 * thread (at once when the caller is on it), so every client that knows the column is sent them as
 * with any other change. A member that only hands its call on, or answers at once, is written on
 * one line where it fits.
 */
public final class ApiWorld implements World {
    private final Object lock;
    private final ServerProperties properties;
    private final MetadataStores metadata;
    private final Players players;
    private final WorldSaving saving;
    /** What blocks keep (signs' text), and the furnaces at work (made after the face). */
    private final BlockEntities blockEntities;
    private final Supplier<Furnaces> furnaces;
    private final Terrain terrain;
    private final UUID uid;
    private final ApiChanges changes;
    private final ApiWorldBlocks blocks;
    private final ApiWorldEntities entities;
    private final ApiWorldEffects effects;
    private final ApiWorldColumns columns;
    private final ApiClocks clocks;
    private final ApiSpawnLimits spawning = new ApiSpawnLimits();
    private final ApiGameRules rules;
    private final ApiWorldSettings settings;
    private final ApiBlockInventories inventories;
    /**
     * The plugins' populators for the world. New land is made by the server's own generator off
     * the game thread, which runs none of them: a populator added here is kept but not called.
     */
    private final List<BlockPopulator> populators = new CopyOnWriteArrayList<BlockPopulator>();

    /**
     * The world's face over its parts: the lock and the game thread its changes run on, the
     * settings that name it, the players, entities, columns and blocks, the level, the clock's and
     * the weather's keepers, and the mobs, items and blasts (made after the face, so asked for at
     * each use); the spawn, saving and difficulty are changed through the game's own.
     */
    public ApiWorld(Object lock, GameThread thread, Logger logger, ServerProperties properties, MetadataStores metadata,
            Players players, Entities entities, ColumnCache cache, ColumnKeeping keeping, WorldBlocks worldBlocks,
            Supplier<LevelState> level, Supplier<Weather> weather, LongConsumer setDayTime, SpawnPoint spawn,
            WorldSaving saving, IntSupplier difficulty, IntConsumer setDifficulty, Supplier<Mobs> mobs,
            Supplier<ItemDrops> items, PluginBlasts blasts, BlockEntities blockEntities,
            Supplier<Furnaces> furnaces) {
        this.lock = lock;
        this.properties = properties;
        this.metadata = metadata;
        this.players = players;
        this.saving = saving;
        this.blockEntities = blockEntities;
        this.furnaces = furnaces;
        this.terrain = worldBlocks;
        this.uid = UUID.nameUUIDFromBytes(("world:" + properties.levelName()).getBytes(Charset.forName("UTF-8")));
        this.changes = new ApiChanges(lock, thread);
        this.blocks = new ApiWorldBlocks(changes, lock, worldBlocks,
                new ApiBiomes(cache, worldBlocks, thread, players));
        this.entities = new ApiWorldEntities(changes, lock, logger, entities, mobs, items, blasts);
        this.effects = new ApiWorldEffects(lock, players);
        this.columns = new ApiWorldColumns(this, lock, players, cache, level, keeping);
        this.clocks = new ApiClocks(changes, lock, level, weather, setDayTime);
        this.rules = new ApiGameRules(lock, level);
        this.settings = new ApiWorldSettings(changes, lock, level, spawn, difficulty, setDifficulty);
        this.inventories = new ApiBlockInventories(lock, thread, players, blockEntities);
    }

    /** Runs the change on the game thread, waiting for it. */
    <T> T change(Callable<T> work) {
        return changes.call(work);
    }

    /** The world lock, for reads of many blocks at once. */
    Object lock() {
        return lock;
    }

    // --- blocks (see ApiWorldBlocks) ---

    int typeAt(int x, int y, int z) { return blocks.typeAt(x, y, z); }
    int dataAt(int x, int y, int z) { return blocks.dataAt(x, y, z); }
    void set(int x, int y, int z, int id, int data) { set(x, y, z, id, data, true); }
    /** Changes a block for a plugin; without physics the blocks around are not told (nothing flows or falls for it). */
    void set(int x, int y, int z, int id, int data, boolean physics) { blocks.set(x, y, z, id, data, physics); }
    /** The block's inventory: over the slots of its block entity when it has them (see ApiBlockInventories). */
    public Inventory blockInventory(int x, int y, int z, InventoryType type, int size, InventoryHolder holder) {
        return inventories.at(x, y, z, type, size, holder);
    }
    public Block getBlockAt(int x, int y, int z) { return new ApiBlock(this, x, y, z); }
    public Block getBlockAt(Location l) { return getBlockAt(l.getBlockX(), l.getBlockY(), l.getBlockZ()); }
    public int getBlockTypeIdAt(int x, int y, int z) { return typeAt(x, y, z); }
    public int getBlockTypeIdAt(Location l) { return getBlockTypeIdAt(l.getBlockX(), l.getBlockY(), l.getBlockZ()); }
    public int getHighestBlockYAt(int x, int z) { return blocks.highestY(x, z); }
    public int getHighestBlockYAt(Location l) { return getHighestBlockYAt(l.getBlockX(), l.getBlockZ()); }
    public Block getHighestBlockAt(int x, int z) { return getBlockAt(x, getHighestBlockYAt(x, z), z); }
    public Block getHighestBlockAt(Location l) { return getHighestBlockAt(l.getBlockX(), l.getBlockZ()); }
    public int getMaxHeight() { return 256; }
    public int getSeaLevel() { return 64; }

    // --- biomes, trees (see ApiWorldBlocks) and generators ---

    public Biome getBiome(int x, int z) { return blocks.biome(x, z); }
    public void setBiome(int x, int z, Biome bio) { blocks.setBiome(x, z, bio); }
    public double getTemperature(int x, int z) { return ApiBiomes.temperature(getBiome(x, z)); }
    public double getHumidity(int x, int z) { return ApiBiomes.rainfall(getBiome(x, z)); }
    /** Grows a tree of the kind with its trunk at the place; false where it cannot grow (see ApiTrees). */
    public boolean generateTree(Location loc, TreeType type) {
        return blocks.growTree(loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(), type);
    }
    /** As generateTree, the blocks read and put through the plugin's delegate instead (on the caller's thread). */
    public boolean generateTree(Location loc, TreeType type, BlockChangeDelegate delegate) {
        return ApiWorldBlocks.growTree(loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(), type, delegate);
    }
    /** The world is made by the server's own generator, not a plugin's: null, as for a world without one. */
    public ChunkGenerator getGenerator() { return null; }
    public List<BlockPopulator> getPopulators() { return populators; }

    // --- columns (see ApiWorldColumns) ---

    /** A copy of the column as it is now, under the world lock. */
    ChunkSnapshot snapshot(int cx, int cz, boolean biomes, boolean climate) {
        return columns.snapshot(cx, cz, biomes, climate);
    }

    public Chunk getChunkAt(int x, int z) { return new ApiChunk(this, x, z); }
    public Chunk getChunkAt(Location l) { return getChunkAt(l.getBlockX() >> 4, l.getBlockZ() >> 4); }
    public Chunk getChunkAt(Block block) { return getChunkAt(block.getX() >> 4, block.getZ() >> 4); }
    public Chunk[] getLoadedChunks() { return columns.loaded(); }
    public boolean isChunkLoaded(Chunk chunk) { return isChunkLoaded(chunk.getX(), chunk.getZ()); }
    public boolean isChunkLoaded(int x, int z) { return columns.inMemory(x, z); }
    public boolean isChunkInUse(int x, int z) { return columns.inUse(x, z); }
    public void loadChunk(Chunk chunk) { loadChunk(chunk.getX(), chunk.getZ()); }
    public void loadChunk(int x, int z) { loadChunk(x, z, true); }
    public boolean loadChunk(int x, int z, boolean generate) { return columns.load(x, z); }
    public boolean unloadChunk(Chunk chunk) { return unloadChunk(chunk.getX(), chunk.getZ()); }
    public boolean unloadChunk(int x, int z) { return columns.unload(x, z); }
    public boolean unloadChunk(int x, int z, boolean save) { return unloadChunk(x, z); }
    public boolean unloadChunk(int x, int z, boolean save, boolean safe) { return unloadChunk(x, z); }
    public boolean unloadChunkRequest(int x, int z) { return unloadChunk(x, z); }
    public boolean unloadChunkRequest(int x, int z, boolean safe) { return unloadChunk(x, z); }
    /** Not done: the world's columns are never made again over what is kept. */
    public boolean regenerateChunk(int x, int z) { return false; }
    public boolean refreshChunk(int x, int z) { return isChunkInUse(x, z); }
    public boolean getKeepSpawnInMemory() { return columns.keepsSpawn(); }
    public void setKeepSpawnInMemory(boolean keepLoaded) { columns.setKeepSpawn(keepLoaded); }
    public ChunkSnapshot getEmptyChunkSnapshot(int x, int z, boolean includeBiome, boolean includeBiomeTempRain) {
        return columns.empty(x, z, includeBiome, includeBiomeTempRain);
    }

    // --- entities, spawning and drops (see ApiWorldEntities) ---

    public List<Entity> getEntities() { return entities.all(); }
    public List<LivingEntity> getLivingEntities() { return entities.living(); }
    public List<Player> getPlayers() { return new ArrayList<Player>(players.inJoinOrder()); }
    @Deprecated
    public <T extends Entity> Collection<T> getEntitiesByClass(Class<T>... classes) {
        @SuppressWarnings("unchecked")
        Collection<T> found = (Collection<T>) getEntitiesByClasses(classes);
        return found;
    }
    public <T extends Entity> Collection<T> getEntitiesByClass(Class<T> cls) { return entities.ofClass(cls); }
    public Collection<Entity> getEntitiesByClasses(Class<?>... classes) { return entities.ofClasses(classes); }
    public <T extends Entity> T spawn(Location location, Class<T> clazz) { return entities.spawn(location, clazz); }
    public Entity spawnEntity(Location loc, EntityType type) { return entities.spawn(loc, type); }
    @Deprecated
    public LivingEntity spawnCreature(Location loc, EntityType type) { return entities.spawnCreature(loc, type); }
    @Deprecated
    public LivingEntity spawnCreature(Location loc, CreatureType type) {
        return type == null ? null : spawnCreature(loc, type.toEntityType());
    }
    /** Drops the stack at exactly the place; null when a plugin kept it out of the world. */
    public Item dropItem(Location location, ItemStack item) { return entities.drop(location, item, false); }
    /** Drops the stack within 0.35 blocks of the place, as a broken block's drops fall. */
    public Item dropItemNaturally(Location location, ItemStack item) { return entities.drop(location, item, true); }
    public Arrow spawnArrow(Location location, Vector direction, float speed, float spread) {
        return entities.spawnArrow(location, direction, speed, spread);
    }
    public FallingBlock spawnFallingBlock(Location location, Material material, byte data) {
        return entities.spawnFallingBlock(location, material);
    }
    @Deprecated
    public FallingBlock spawnFallingBlock(Location location, int blockId, byte blockData) {
        return spawnFallingBlock(location, Material.getMaterial(blockId), blockData);
    }
    public LightningStrike strikeLightning(Location loc) { return entities.strike(loc, false); }
    /** A bolt that is only seen and heard. */
    public LightningStrike strikeLightningEffect(Location loc) { return entities.strike(loc, true); }
    public boolean createExplosion(double x, double y, double z, float power) {
        return createExplosion(x, y, z, power, false, true);
    }
    public boolean createExplosion(double x, double y, double z, float power, boolean setFire) {
        return createExplosion(x, y, z, power, setFire, true);
    }
    public boolean createExplosion(double x, double y, double z, float power, boolean setFire, boolean breakBlocks) {
        return entities.explode(x, y, z, power, setFire, breakBlocks);
    }
    public boolean createExplosion(Location loc, float power) {
        return createExplosion(loc.getX(), loc.getY(), loc.getZ(), power, false, true);
    }
    public boolean createExplosion(Location loc, float power, boolean setFire) {
        return createExplosion(loc.getX(), loc.getY(), loc.getZ(), power, setFire, true);
    }

    // --- effects and sounds for the players near (see ApiWorldEffects) ---

    @Deprecated
    public void playEffect(Location location, Effect effect, int data) { playEffect(location, effect, data, 64); }
    @Deprecated
    public void playEffect(Location location, Effect effect, int data, int radius) {
        effects.effect(location, effect, data, radius);
    }
    public <T> void playEffect(Location location, Effect effect, T data) { playEffect(location, effect, data, 64); }
    public <T> void playEffect(Location location, Effect effect, T data, int radius) {
        playEffect(location, effect, EffectData.of(effect, data), radius);
    }
    public void playSound(Location location, Sound sound, float volume, float pitch) {
        effects.sound(location, sound, volume, pitch);
    }

    // --- the clock and the weather (see ApiClocks) ---

    public long getTime() { return clocks.time(); }
    public void setTime(long time) { clocks.setTime(time); }
    public long getFullTime() { return clocks.fullTime(); }
    public void setFullTime(long time) { clocks.setFullTime(time); }
    public boolean hasStorm() { return clocks.storm(); }
    public void setStorm(boolean hasStorm) { clocks.setStorm(hasStorm); }
    public int getWeatherDuration() { return clocks.weatherDuration(); }
    public void setWeatherDuration(int duration) { clocks.setWeatherDuration(duration); }
    public boolean isThundering() { return clocks.thundering(); }
    public void setThundering(boolean thundering) { clocks.setThundering(thundering); }
    public int getThunderDuration() { return clocks.thunderDuration(); }
    public void setThunderDuration(int duration) { clocks.setThunderDuration(duration); }

    // --- spawn flags and limits, kept for plugins (see ApiSpawnLimits) ---

    boolean monstersAllowed() { return spawning.monstersAllowed(); }
    boolean animalsAllowed() { return spawning.animalsAllowed(); }
    public void setSpawnFlags(boolean monsters, boolean animals) { spawning.setFlags(monsters, animals); }
    public long getTicksPerAnimalSpawns() { return spawning.ticksPerAnimalSpawns(); }
    public void setTicksPerAnimalSpawns(int ticks) { spawning.setTicksPerAnimalSpawns(ticks); }
    public long getTicksPerMonsterSpawns() { return spawning.ticksPerMonsterSpawns(); }
    public void setTicksPerMonsterSpawns(int ticks) { spawning.setTicksPerMonsterSpawns(ticks); }
    public int getMonsterSpawnLimit() { return spawning.monsterLimit(); }
    public void setMonsterSpawnLimit(int limit) { spawning.setMonsterLimit(limit); }
    public int getAnimalSpawnLimit() { return spawning.animalLimit(); }
    public void setAnimalSpawnLimit(int limit) { spawning.setAnimalLimit(limit); }
    public int getWaterAnimalSpawnLimit() { return spawning.waterAnimalLimit(); }
    public void setWaterAnimalSpawnLimit(int limit) { spawning.setWaterAnimalLimit(limit); }
    public int getAmbientSpawnLimit() { return spawning.ambientLimit(); }
    public void setAmbientSpawnLimit(int limit) { spawning.setAmbientLimit(limit); }

    // --- game rules (see ApiGameRules) ---

    public String[] getGameRules() { return rules.names(); }
    public String getGameRuleValue(String rule) { return rules.value(rule); }
    /** Sets a rule the world has (saved in level.dat with the world); false for no such rule. */
    public boolean setGameRuleValue(String rule, String value) { return rules.set(rule, value); }
    public boolean isGameRule(String rule) { return rules.has(rule); }

    // --- the world's name, spawn and settings ---

    public String getName() {
        return properties.levelName();
    }

    public UUID getUID() {
        return uid;
    }

    public Location getSpawnLocation() { return settings.spawn(this); }
    public boolean setSpawnLocation(int x, int y, int z) { return settings.setSpawn(x, y, z); }
    /** The world's seed, as level.dat keeps it (see ApiWorldSettings). */
    public long getSeed() { return settings.seed(); }
    public void setDifficulty(Difficulty difficulty) { settings.setDifficulty(difficulty); }
    public Difficulty getDifficulty() { return settings.difficulty(); }

    public Environment getEnvironment() { return Environment.NORMAL; }
    public boolean getPVP() { return properties.getBoolean("pvp", true); }
    public void setPVP(boolean pvp) { }
    public void save() { saving.save(); }
    public boolean isAutoSave() { return saving.autoSave(); }
    public void setAutoSave(boolean value) { saving.setAutoSave(value); }
    public boolean getAllowAnimals() { return properties.getBoolean("spawn-animals", true); }
    public boolean getAllowMonsters() { return properties.getBoolean("spawn-monsters", true); }
    public File getWorldFolder() { return new File(properties.levelName()); }
    /** The world the bundled server makes is flat. */
    public WorldType getWorldType() { return WorldType.FLAT; }
    public boolean canGenerateStructures() { return properties.getBoolean("generate-structures", true); }

    @Override
    public String toString() {
        return "World{name=" + getName() + "}";
    }

    // --- metadata of the world and its blocks, kept for the session ---

    public void setMetadata(String key, MetadataValue value) { metadata.worlds.setMetadata(this, key, value); }
    public List<MetadataValue> getMetadata(String key) { return metadata.worlds.getMetadata(this, key); }
    public boolean hasMetadata(String key) { return metadata.worlds.hasMetadata(this, key); }
    public void removeMetadata(String key, Plugin owner) { metadata.worlds.removeMetadata(this, key, owner); }
    // --- the state blocks keep, for the block states ---

    /** Under the world lock: the sign's four lines; empty ones where the block is no sign. */
    String[] signLines(int x, int y, int z) { return blockEntities.signLines(x, y, z); }
    /** On the game thread: the sign's new text, shown to everybody who has its column. */
    void setSignText(int x, int y, int z, String[] lines) { blockEntities.setSignText(x, y, z, lines); }
    /** Under the world lock: the furnace's cook time (cook) or burn time in ticks; 0 where there is no furnace. */
    short furnaceTime(int x, int y, int z, boolean cook) { return furnaces.get().time(x, y, z, cook); }
    /** On the game thread: sets the furnace's cook time (cook) or burn time, and wakes it. */
    void setFurnaceTime(int x, int y, int z, boolean cook, short ticks) {
        furnaces.get().setTime(x, y, z, cook, ticks);
    }
    /** Under the world lock: the other half of a double chest at the place, or null for a single one. */
    int[] otherChestHalf(int x, int y, int z) { return Chest.otherHalf(terrain, x, y, z); }

    /** The metadata plugins attach to this world's blocks. */
    MetadataStores.BlockStore blockMetadata() { return metadata.blocks; }
}
