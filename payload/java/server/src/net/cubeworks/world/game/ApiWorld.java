package net.cubeworks.world.game;

import java.io.File;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.UUID;
import java.util.concurrent.Callable;

import org.bukkit.Chunk;
import org.bukkit.Difficulty;
import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.WorldType;
import org.bukkit.block.Block;
import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;
import org.bukkit.inventory.Inventory;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;

import net.cubeworks.world.game.world.ColumnKeeping;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.SlotRow;
import net.cubeworks.world.game.api.ApiTrees;

/**
 * The game's one world as plugins see it. Reads take the world lock for a moment; changes
 * are carried out on the game thread (at once when the caller is on it), so every client that
 * knows the column is sent them as with any other change.
 */
public final class ApiWorld extends ApiWorldEntities {
    private final UUID uid;

    /** What of the land stays in memory though nobody sees it. */
    private final ColumnKeeping keeping;

    ApiWorld(Game game, GameWorld world, ColumnKeeping keeping) {
        super(game, world);
        this.keeping = keeping;
        this.uid = UUID.nameUUIDFromBytes(("world:" + game.properties().levelName()).getBytes(Charset.forName("UTF-8")));
    }

    /** The world lock, for reads of many blocks at once. */
    Object lock() {
        return game.lock();
    }

    int typeAt(int x, int y, int z) {
        synchronized (game.lock()) {
            return world.blocks().blockAt(x, y, z);
        }
    }

    int dataAt(int x, int y, int z) {
        synchronized (game.lock()) {
            return world.blocks().metaAt(x, y, z);
        }
    }

    void set(int x, int y, int z, int id, int data) {
        set(x, y, z, id, data, true);
    }

    /** Changes a block for a plugin; without physics the blocks around are not told (nothing flows or falls for it). */
    void set(final int x, final int y, final int z, final int id, final int data, final boolean physics) {
        if (y < 0 || y > 255) {
            return;
        }
        change(new Callable<Void>() {
            public Void call() {
                if (physics) {
                    world.blocks().setBlock(x, y, z, id, data & 15);
                } else {
                    world.blocks().setBlockQuietly(x, y, z, id, data & 15);
                }
                return null;
            }
        });
    }

    public Block getBlockAt(int x, int y, int z) {
        return new ApiBlock(this, x, y, z);
    }

    public Block getBlockAt(Location location) {
        return getBlockAt(location.getBlockX(), location.getBlockY(), location.getBlockZ());
    }

    public int getBlockTypeIdAt(int x, int y, int z) {
        return typeAt(x, y, z);
    }

    public int getBlockTypeIdAt(Location location) {
        return getBlockTypeIdAt(location.getBlockX(), location.getBlockY(), location.getBlockZ());
    }

    public int getHighestBlockYAt(int x, int z) {
        synchronized (game.lock()) {
            for (int y = 255; y >= 0; y--) {
                if (world.blocks().blockAt(x, y, z) != 0) {
                    return y + 1;
                }
            }
            return 0;
        }
    }

    public int getHighestBlockYAt(Location location) {
        return getHighestBlockYAt(location.getBlockX(), location.getBlockZ());
    }

    public Block getHighestBlockAt(int x, int z) {
        return getBlockAt(x, getHighestBlockYAt(x, z), z);
    }

    public Block getHighestBlockAt(Location location) {
        return getHighestBlockAt(location.getBlockX(), location.getBlockZ());
    }

    public Chunk getChunkAt(int x, int z) {
        return new ApiChunk(this, x, z);
    }

    public Chunk getChunkAt(Location location) {
        return getChunkAt(location.getBlockX() >> 4, location.getBlockZ() >> 4);
    }

    public Chunk getChunkAt(Block block) {
        return getChunkAt(block.getX() >> 4, block.getZ() >> 4);
    }

    public boolean isChunkLoaded(Chunk chunk) {
        return isChunkLoaded(chunk.getX(), chunk.getZ());
    }

    /** The columns some player's client was sent. */
    public Chunk[] getLoadedChunks() {
        synchronized (game.lock()) {
            java.util.Set<Long> keys = new java.util.LinkedHashSet<Long>();
            for (OnlinePlayer p : game.players().inJoinOrder()) {
                for (long k : p.known.toArray()) {
                    keys.add(k);
                }
            }
            List<Chunk> out = new ArrayList<Chunk>();
            for (long k : keys) {
                out.add(new ApiChunk(this, ColumnKey.x(k), ColumnKey.z(k)));
            }
            return out.toArray(new Chunk[out.size()]);
        }
    }

    public void loadChunk(Chunk chunk) {
        loadChunk(chunk.getX(), chunk.getZ());
    }

    public boolean isChunkLoaded(int x, int z) {
        synchronized (game.lock()) {
            return world.columnInMemory(x, z);
        }
    }

    public boolean isChunkInUse(int x, int z) {
        long k = ColumnKey.of(x, z);
        synchronized (game.lock()) {
            for (OnlinePlayer p : game.players().inJoinOrder()) {
                if (p.known.contains(k)) {
                    return true;
                }
            }
            return false;
        }
    }

    public void loadChunk(int x, int z) {
        loadChunk(x, z, true);
    }

    /** Reads (or makes) the column; false when the store cannot read it now. */
    public boolean loadChunk(final int x, final int z, boolean generate) {
        synchronized (game.lock()) {
            return world.loadColumn(x, z);
        }
    }

    /** Columns are let go by the world itself once nobody sees them; a column in use stays. */
    public boolean unloadChunk(Chunk chunk) {
        return unloadChunk(chunk.getX(), chunk.getZ());
    }

    public boolean unloadChunk(int x, int z) {
        return !isChunkInUse(x, z);
    }

    public boolean unloadChunk(int x, int z, boolean save) {
        return unloadChunk(x, z);
    }

    public boolean unloadChunk(int x, int z, boolean save, boolean safe) {
        return unloadChunk(x, z);
    }

    public boolean unloadChunkRequest(int x, int z) {
        return unloadChunk(x, z);
    }

    public boolean unloadChunkRequest(int x, int z, boolean safe) {
        return unloadChunk(x, z);
    }

    /** Not done: the world's columns are never made again over what is kept. */
    public boolean regenerateChunk(int x, int z) {
        return false;
    }

    public boolean refreshChunk(int x, int z) {
        return isChunkInUse(x, z);
    }

    /** Every entity the world has, of every kind, in the order they came. */
    public List<Entity> getEntities() {
        synchronized (game.lock()) {
            return new ArrayList<Entity>(game.entities().all());
        }
    }

    public List<Player> getPlayers() {
        return new ArrayList<Player>(game.players().inJoinOrder());
    }

    public String getName() {
        return game.properties().levelName();
    }

    public UUID getUID() {
        return uid;
    }

    public Location getSpawnLocation() {
        synchronized (game.lock()) {
            LevelState l = world.level();
            return new Location(this, l.spawnX, l.spawnY, l.spawnZ);
        }
    }

    public boolean setSpawnLocation(final int x, final int y, final int z) {
        return change(new Callable<Boolean>() {
            public Boolean call() {
                world.setSpawn(x, y, z);
                return true;
            }
        });
    }

    public long getTime() {
        synchronized (game.lock()) {
            return world.level().dayTime % 24000;
        }
    }

    /** Sets the time of today, keeping the day. */
    public void setTime(long time) {
        long now = getFullTime();
        long margin = (time - now) % 24000;
        if (margin < 0) {
            margin += 24000;
        }
        setFullTime(now + margin);
    }

    public long getFullTime() {
        synchronized (game.lock()) {
            return world.level().dayTime;
        }
    }

    public void setFullTime(final long time) {
        change(new Callable<Void>() {
            public Void call() {
                world.setDayTime(time);
                return null;
            }
        });
    }

    public boolean hasStorm() {
        return world.level().raining;
    }

    /** Starts or stops the rain as the weather event allows; its time starts anew, as the game's API does. */
    public void setStorm(final boolean hasStorm) {
        change(new java.util.concurrent.Callable<Void>() {
            public Void call() {
                if (world.weather().setRaining(world.level(), hasStorm)) {
                    world.level().rainTime = 0;
                }
                return null;
            }
        });
    }

    public int getWeatherDuration() {
        return world.level().rainTime;
    }

    public void setWeatherDuration(int duration) {
        world.level().rainTime = Math.max(0, duration);
    }

    public boolean isThundering() {
        return world.level().thundering;
    }

    public void setThundering(final boolean thundering) {
        change(new java.util.concurrent.Callable<Void>() {
            public Void call() {
                if (world.weather().setThundering(world.level(), thundering)) {
                    world.level().thunderTime = 0;
                }
                return null;
            }
        });
    }

    public int getThunderDuration() {
        return world.level().thunderTime;
    }

    public void setThunderDuration(int duration) {
        world.level().thunderTime = Math.max(0, duration);
    }

    public boolean createExplosion(double x, double y, double z, float power) {
        return createExplosion(x, y, z, power, false, true);
    }

    public boolean createExplosion(Location loc, float power) {
        return createExplosion(loc.getX(), loc.getY(), loc.getZ(), power, false, true);
    }

    public Environment getEnvironment() {
        return Environment.NORMAL;
    }

    /** The world's seed, as level.dat keeps it (the level-seed setting made it when the world was new). */
    public long getSeed() {
        synchronized (game.lock()) {
            return world.level().seed;
        }
    }

    public boolean getPVP() {
        return game.properties().getBoolean("pvp", true);
    }

    public void setPVP(boolean pvp) {
    }

    public void save() {
        world.saveLater();
    }

    public boolean getAllowAnimals() {
        return game.properties().getBoolean("spawn-animals", true);
    }

    public boolean getAllowMonsters() {
        return game.properties().getBoolean("spawn-monsters", true);
    }

    public int getMaxHeight() {
        return 256;
    }

    public int getSeaLevel() {
        return 64;
    }

    public boolean getKeepSpawnInMemory() {
        return keeping.keepsSpawn();
    }

    /** The columns in view of the spawn stay in memory (while the heap has room for them), or go when nobody sees them. */
    public void setKeepSpawnInMemory(boolean keepLoaded) {
        keeping.setKeepSpawn(keepLoaded);
    }

    public boolean isAutoSave() {
        return world.autoSave();
    }

    public void setAutoSave(boolean value) {
        world.setAutoSave(value);
    }

    public void setDifficulty(Difficulty difficulty) {
        if (difficulty != null) {
            game.setDifficulty(difficulty.getValue());
        }
    }

    public Difficulty getDifficulty() {
        Difficulty d = Difficulty.getByValue(game.difficulty());
        return d == null ? Difficulty.EASY : d;
    }

    public File getWorldFolder() {
        return new File(game.properties().levelName());
    }

    /** The world the bundled server makes is flat. */
    public WorldType getWorldType() {
        return WorldType.FLAT;
    }

    public boolean canGenerateStructures() {
        return game.properties().getBoolean("generate-structures", true);
    }

    public String[] getGameRules() {
        synchronized (game.lock()) {
            return world.level().gameRules.keySet().toArray(new String[0]);
        }
    }

    public String getGameRuleValue(String rule) {
        if (rule == null) {
            return null;
        }
        synchronized (game.lock()) {
            return world.level().gameRules.get(rule);
        }
    }

    /** Sets a rule the world has (saved in level.dat with the world); false for no such rule. */
    public boolean setGameRuleValue(String rule, String value) {
        if (rule == null || value == null) {
            return false;
        }
        synchronized (game.lock()) {
            if (!world.level().gameRules.containsKey(rule)) {
                return false;
            }
            world.level().gameRules.put(rule, value);
            return true;
        }
    }

    public boolean isGameRule(String rule) {
        if (rule == null) {
            return false;
        }
        synchronized (game.lock()) {
            return world.level().gameRules.containsKey(rule);
        }
    }

    @Override
    public String toString() {
        return "World{name=" + getName() + "}";
    }

    // --- metadata of the world, kept for the session ---

    public void setMetadata(String metadataKey, MetadataValue newMetadataValue) {
        game.metadata().worlds.setMetadata(this, metadataKey, newMetadataValue);
    }

    public List<MetadataValue> getMetadata(String metadataKey) {
        return game.metadata().worlds.getMetadata(this, metadataKey);
    }

    public boolean hasMetadata(String metadataKey) {
        return game.metadata().worlds.hasMetadata(this, metadataKey);
    }

    public void removeMetadata(String metadataKey, Plugin owningPlugin) {
        game.metadata().worlds.removeMetadata(this, metadataKey, owningPlugin);
    }

    /** The metadata plugins attach to this world's blocks. */
    MetadataStores.BlockStore blockMetadata() {
        return game.metadata().blocks;
    }

    // --- biomes, trees, generators and spawning ---

    public org.bukkit.block.Biome getBiome(int x, int z) {
        synchronized (game.lock()) {
            return ApiBiomes.at(world, x, z);
        }
    }

    public void setBiome(final int x, final int z, final org.bukkit.block.Biome bio) {
        if (bio == null) {
            throw new IllegalArgumentException("Biome cannot be null");
        }
        change(new Callable<Void>() {
            public Void call() {
                ApiBiomes.set(world, x, z, bio);
                return null;
            }
        });
    }

    public double getTemperature(int x, int z) {
        return ApiBiomes.temperature(getBiome(x, z));
    }

    public double getHumidity(int x, int z) {
        return ApiBiomes.rainfall(getBiome(x, z));
    }

    /** Grows a tree of the kind with its trunk at the place; false where it cannot grow (see ApiTrees). */
    public boolean generateTree(final Location loc, final org.bukkit.TreeType type) {
        final int x = loc.getBlockX();
        final int y = loc.getBlockY();
        final int z = loc.getBlockZ();
        return change(new Callable<Boolean>() {
            public Boolean call() {
                return ApiTrees.grow(new ApiTrees.Blocks() {
                    public int typeAt(int bx, int by, int bz) {
                        return world.blocks().blockAt(bx, by, bz);
                    }

                    public void put(int bx, int by, int bz, int id, int data) {
                        world.blocks().setBlock(bx, by, bz, id, data);
                    }
                }, x, y, z, type, new java.util.Random());
            }
        });
    }

    /** As generateTree, the blocks read and put through the plugin's delegate instead (on the caller's thread). */
    public boolean generateTree(Location loc, org.bukkit.TreeType type, org.bukkit.BlockChangeDelegate delegate) {
        return ApiTrees.grow(ApiTrees.of(delegate), loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(), type,
                new java.util.Random());
    }

    /** The world is made by the server's own generator, not a plugin's: null, as for a world without one. */
    public org.bukkit.generator.ChunkGenerator getGenerator() {
        return null;
    }

    private final List<org.bukkit.generator.BlockPopulator> populators =
            new java.util.concurrent.CopyOnWriteArrayList<org.bukkit.generator.BlockPopulator>();

    /**
     * The plugins' populators for the world. New land is made by the server's own generator off
     * the game thread, which runs none of them: a populator added here is kept but not called.
     */
    public List<org.bukkit.generator.BlockPopulator> getPopulators() {
        return populators;
    }

    public org.bukkit.ChunkSnapshot getEmptyChunkSnapshot(int x, int z, boolean includeBiome, boolean includeBiomeTempRain) {
        return new ApiChunkSnapshot(new net.cubeworks.world.level.Column(x, z), getName(), getFullTime(), includeBiome,
                includeBiomeTempRain);
    }

    /** A copy of the column as it is now, under the world lock. */
    org.bukkit.ChunkSnapshot snapshot(int cx, int cz, boolean biomes, boolean climate) {
        synchronized (game.lock()) {
            net.cubeworks.world.level.Column c;
            try {
                c = world.cache().resolve(cx, cz);
            } catch (net.cubeworks.world.storage.Unavailable e) {
                c = null;
            }
            net.cubeworks.world.level.Column copy = c == null ? net.cubeworks.world.level.Column.flat(cx, cz) : c.copy();
            return new ApiChunkSnapshot(copy, getName(), world.level().time, biomes, climate);
        }
    }

    // No mobs are simulated here, so nothing spawns: the spawn settings are kept as a server keeps
    // them (the limits and intervals of bukkit.yml's defaults) and change nothing.
    private volatile boolean allowMonsters = true;
    private volatile boolean allowAnimals = true;
    private volatile int ticksPerAnimalSpawns = 400;
    private volatile int ticksPerMonsterSpawns = 1;
    private volatile int monsterLimit = 70;
    private volatile int animalLimit = 15;
    private volatile int waterAnimalLimit = 5;
    private volatile int ambientLimit = 15;

    public void setSpawnFlags(boolean monsters, boolean animals) {
        allowMonsters = monsters;
        allowAnimals = animals;
    }

    boolean monstersAllowed() {
        return allowMonsters;
    }

    boolean animalsAllowed() {
        return allowAnimals;
    }

    public long getTicksPerAnimalSpawns() {
        return ticksPerAnimalSpawns;
    }

    public void setTicksPerAnimalSpawns(int ticks) {
        ticksPerAnimalSpawns = ticks;
    }

    public long getTicksPerMonsterSpawns() {
        return ticksPerMonsterSpawns;
    }

    public void setTicksPerMonsterSpawns(int ticks) {
        ticksPerMonsterSpawns = ticks;
    }

    public int getMonsterSpawnLimit() {
        return monsterLimit;
    }

    public void setMonsterSpawnLimit(int limit) {
        monsterLimit = limit;
    }

    public int getAnimalSpawnLimit() {
        return animalLimit;
    }

    public void setAnimalSpawnLimit(int limit) {
        animalLimit = limit;
    }

    public int getWaterAnimalSpawnLimit() {
        return waterAnimalLimit;
    }

    public void setWaterAnimalSpawnLimit(int limit) {
        waterAnimalLimit = limit;
    }

    public int getAmbientSpawnLimit() {
        return ambientLimit;
    }

    public void setAmbientSpawnLimit(int limit) {
        ambientLimit = limit;
    }

    /**
     * The inventories of blocks whose slots their column keeps, by those slots: the same face while
     * anyone holds it, and nothing kept here once the column has let the block go and no plugin
     * holds its face.
     */
    private final java.util.Map<SlotRow, java.lang.ref.WeakReference<ApiContainer>> keptInventories =
            new java.util.WeakHashMap<SlotRow, java.lang.ref.WeakReference<ApiContainer>>();
    /** The inventories of blocks with slots the world does not keep (a beacon's), by place, for the session. */
    private final java.util.Map<Long, ApiContainer> sessionInventories = new java.util.HashMap<Long, ApiContainer>();

    /**
     * The block's inventory: over the slots of its block entity when it has slots of the size, else
     * (a beacon, or a block of another kind by now) slots of its own for the session.
     */
    Inventory blockInventory(final int x, int y, final int z, org.bukkit.event.inventory.InventoryType type, int size,
            org.bukkit.inventory.InventoryHolder holder) {
        long k = ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | (y & 0xFFF);
        synchronized (game.lock()) {
            BlockEntity e = BlockEntities.at(world, x, y, z);
            BlockEntity.Container block = e instanceof BlockEntity.Container
                    && ((BlockEntity.Container) e).slots.size() == size ? (BlockEntity.Container) e : null;
            java.lang.ref.WeakReference<ApiContainer> held = block == null ? null : keptInventories.get(block.slots);
            ApiContainer c = block != null ? (held == null ? null : held.get()) : sessionInventories.get(k);
            if (c == null || c.getType() != type) {
                SlotRow row = block != null ? block.slots : new SlotRow(size);
                String title = block != null && block.customName != null ? block.customName : type.getDefaultTitle();
                Runnable changed = block == null ? null : new Runnable() {
                    public void run() {
                        BlockEntities.changed(world, x, z);
                    }
                };
                if (type == org.bukkit.event.inventory.InventoryType.FURNACE) {
                    c = new ApiFurnaceSlots.Smelting(game, holder, row, title, changed);
                } else if (type == org.bukkit.event.inventory.InventoryType.BREWING) {
                    c = new ApiFurnaceSlots.Brewing(game, holder, row, title, changed);
                } else {
                    c = new ApiContainer(game, holder, type, row, title, changed);
                }
                if (block != null) {
                    keptInventories.put(block.slots, new java.lang.ref.WeakReference<ApiContainer>(c));
                } else {
                    sessionInventories.put(k, c);
                }
            }
            return c;
        }
    }
}
