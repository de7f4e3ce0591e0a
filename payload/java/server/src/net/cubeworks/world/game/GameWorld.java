package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.TimeUnit;
import java.util.function.Supplier;

import net.cubeworks.world.game.api.BoardFile;
import net.cubeworks.world.game.block.BlockBehaviours;
import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.block.BlockUpdates;
import net.cubeworks.world.game.entity.ColumnEntities;
import net.cubeworks.world.game.entity.EntityCodecs;
import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.thread.Threads;
import net.cubeworks.world.game.world.BlockTicks;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.SpawnArea;
import net.cubeworks.world.game.world.Streaming;
import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.StoredScoreboard;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.timing.TickStats;
import net.cubeworks.world.timing.TimeReport;

/**
 * The world players stand in: its columns (flat, generated on demand, or as kept by the
 * store), the level, and the tick of 20 a second for movement, time and survival. Its
 * parts each do one job (streaming, who sees whom, moves, blocks and inventories,
 * survival, saving); this holds them together. Everything here runs on the game thread
 * or under the world lock.
 */
public final class GameWorld implements EntityWorld {
    static final int TICKS_PER_SECOND = 20;
    static final int SAVE_INTERVAL_TICKS = 45 * TICKS_PER_SECOND;
    static final double EYE_HEIGHT = 1.62;
    /**
     * How often the columns nobody sees that the ticks kept (asked for by a plugin, or kept at the
     * spawn) are looked at again, and columns that could not be read asked for again.
     */
    static final int HOUSEKEEPING_TICKS = 5 * TICKS_PER_SECOND;

    private final Game game;
    private final WorldStore store;
    private final int viewDistance;
    private LevelState level = new LevelState();
    /** Whether the world is saved every while (save-off stops it; save-all and the stop still save). */
    private volatile boolean autoSave = true;
    private final ColumnCache cache;
    private final Delivery delivery = new Delivery();
    private final Visibility visibility;
    private final Streaming streaming;
    private final Movement movement;
    private final Interaction interaction;
    private final Combat combat;
    private final Hunger hunger;
    private final Eating eating;
    private final Survival survival;
    private final WorldSaver saver;
    private final ExecutorService compressor;
    /** Reads and makes columns off the game thread, one thread per core. */
    private final ExecutorService generators;
    private final TickStats stats = new TickStats();
    private final ApiWorld api;
    private final Blasts blasts;
    private final BlockEvents blockEvents;
    private final GroundItems items;
    private final ColumnEntities columnEntities;
    private final net.cubeworks.world.game.mob.Mobs mobs;
    private final net.cubeworks.world.game.world.Weather weather;
    private ScheduledExecutorService reporter;
    private final Random random = new Random();
    /** The block updates asked for, and what runs them, tells neighbours of changes and picks blocks at random. */
    private final BlockTicks blockTicks = new BlockTicks();
    private final BlockUpdates blockUpdates = new BlockUpdates(new BlockBehaviours(), random.nextInt());
    /** How far from a player, in columns, blocks act by themselves (picked at random, updates adopted from disk). */
    static final int ACTIVE_RADIUS = 7;
    /** The order of one tick, and the ticks counted. */
    private final WorldTick tick;

    GameWorld(Game game, WorldStore store, int viewDistance) {
        this.game = game;
        this.store = store;
        this.viewDistance = Math.max(3, Math.min(15, viewDistance));
        net.cubeworks.world.util.HeapWatch.install();
        this.cache = new ColumnCache(store);
        this.compressor = Executors.newSingleThreadExecutor(Threads.daemon("Chunk compressor"));
        this.generators = Executors.newFixedThreadPool(Math.max(1, Runtime.getRuntime().availableProcessors()),
                Threads.daemon("World generator"));
        this.visibility = new Visibility(game.players(), game.entities(), delivery);
        this.streaming = new Streaming(cache, store, compressor, generators, game.lock(), game.logger(),
                this.viewDistance);
        this.movement = new Movement(this);
        this.interaction = new Interaction(game, this);
        this.combat = new Combat(game, this);
        this.hunger = new Hunger(game, this, delivery);
        this.eating = new Eating(game, this, delivery);
        this.survival = new Survival(game, this, delivery);
        this.saver = new WorldSaver(game, cache, store, Executors.newSingleThreadExecutor(Threads.daemon("World saver")));
        this.api = new ApiWorld(game, this, cache.keeping());
        this.blasts = new Blasts(this, api);
        cache.keeping().setUnloadCheck(WorldEvents.unloads(game.host(), api));
        this.blockEvents = new BlockEvents(game, this);
        this.items = new GroundItems(game.lock(), game.entities(), game.host(), api, this, BlockRules::solid,
                new ItemViewers(game.players(), visibility, delivery));
        EntityCodecs codecs = new EntityCodecs();
        items.register(codecs);
        net.cubeworks.world.game.entity.ObjectCodecs.register(codecs, this);
        this.columnEntities = new ColumnEntities(game.entities(), codecs, new HeldColumns(cache, game.players()));
        this.tick = new WorldTick(game, this, cache, delivery, visibility, survival, interaction, saver, api);
        this.mobs = new net.cubeworks.world.game.mob.Mobs(new MobLink(this), new Random());
        mobs.register(codecs);
        this.weather = new net.cubeworks.world.game.world.Weather(game.host(), api,
                new net.cubeworks.world.game.world.Weather.Broadcast() {
                    public void toAll(PacketOut packet) {
                        byte[] frame = packet.frame();
                        for (OnlinePlayer p : game.players().inJoinOrder()) {
                            if (p.getPlayerWeather() == null) { // a player with weather of his own keeps it
                                delivery.out(p, frame);
                            }
                        }
                    }
                });
    }

    /** Rain and thunder. */
    public net.cubeworks.world.game.world.Weather weather() {
        return weather;
    }

    /** Whether it rains on the place: it rains and nothing but the open sky is over it. */
    boolean rainsOn(double x, double y, double z) {
        if (!level.raining) {
            return false;
        }
        int bx = (int) Math.floor(x);
        int bz = (int) Math.floor(z);
        net.cubeworks.world.level.Column c = cache.held(ColumnKey.of(bx >> 4, bz >> 4));
        int top = c == null ? net.cubeworks.world.level.Column.FLAT_HEIGHT : c.height(bx & 15, bz & 15);
        return y >= top;
    }

    /** The animals and monsters, and their natural spawning. */
    public net.cubeworks.world.game.mob.Mobs mobs() {
        return mobs;
    }

    /** Where everything that puts an item on the ground puts it; the world's items. */
    public GroundItems items() {
        return items;
    }

    /** The entities kept with their columns, and how each kind is read and written there. */
    public ColumnEntities columnEntities() {
        return columnEntities;

    }

    /** What explosions do to the world. */
    Blasts blasts() {
        return blasts;
    }

    public Game game() {
        return game;
    }

    public int viewDistance() {
        return viewDistance;
    }

    public boolean autoSave() {
        return autoSave;
    }

    public void setAutoSave(boolean on) {
        autoSave = on;
    }

    public LevelState level() {
        return level;
    }

    long currentTick() {
        return tick.current();
    }

    ColumnCache cache() {
        return cache;
    }

    Delivery delivery() {
        return delivery;
    }

    public Visibility visibility() {
        return visibility;
    }

    public Movement movement() {
        return movement;
    }

    public Interaction interaction() {
        return interaction;
    }

    Combat combat() {
        return combat;
    }

    Hunger hunger() {
        return hunger;
    }

    Eating eating() {
        return eating;
    }

    public Survival survival() {
        return survival;
    }

    /**
     * Reads the level (spawn point, clocks, world type and seed) as the store keeps it. A new
     * world takes its type and seed from the settings (level-type, level-seed, generator-settings)
     * and its spawn from the land; a kept world's level.dat decides, whatever the settings say.
     */
    public void loadLevel() {
        StoredLevel stored = store.loadLevel();
        level = stored != null ? LevelState.from(stored) : LevelState.fresh(game.properties(), new Random());
        cache.maker().setGenerator(level.generator(stored == null));
    }

    /** Where the world keeps its main scoreboard. */
    public BoardFile scoreboardFile() {
        return new BoardFile() {
            public StoredScoreboard load() throws Unavailable {
                return store.loadScoreboard();
            }

            public void saveWith(Supplier<StoredScoreboard> snapshot) {
                saver.scoreboard = snapshot;
            }
        };
    }

    /** The world type the client is told in Join Game and Respawn. */
    public String levelType() {
        return WorldChoice.clientLevelType(level.generatorName);
    }

    /**
     * Makes the columns around the spawn ready and kept (see {@link SpawnArea}), and starts the
     * first save when it made new land, so the first player to join waits for none of it.
     */
    public void prepareSpawn() {
        if (SpawnArea.prepare(cache, generators, viewDistance, level.spawnX >> 4, level.spawnZ >> 4, game.logger())) {
            saveLater(); // new land: written now, while nobody is here yet
        }
    }

    /** Null when the world can be written now, else why not. */
    public String whyNotWritable() {
        return store.whyNotWritable();
    }

    /** Hands the world's tick to the game thread, and starts the tick-time report when it is asked for. */
    void start() {
        game.thread().setWorldTick(new TimedTick(game, stats, this));
        if (TimeReport.asked()) {
            reporter = Executors.newSingleThreadScheduledExecutor(Threads.daemon("Tick report"));
            reporter.scheduleAtFixedRate(new Runnable() {
                public void run() {
                    game.logger().info(TickStats.describe(stats.takeSummary()));
                }
            }, 10, 10, TimeUnit.SECONDS);
        }
    }

    // --- blocks ---

    public int blockAt(int x, int y, int z) {
        return cache.blockAt(x, y, z);
    }

    public int metaAt(int x, int y, int z) {
        return cache.metaAt(x, y, z);
    }

    /**
     * Changes a block, marks its column for saving, relights around it (in a lit column) and tells
     * everybody who knows the column. A Block Change is all the client needs: it relights around
     * the block itself, so the light is kept right here for the columns sent later and for saving.
     * A column that cannot be read is left as it is kept.
     */
    public void setBlock(int x, int y, int z, int id, int data) {
        int old = blockAt(x, y, z);
        int oldMeta = metaAt(x, y, z);
        long k = setBlockUnseen(x, y, z, id, data);
        if (k != NO_COLUMN) {
            showBlock(x, y, z, k, null);
            blockUpdates.changed(this, x, y, z, old, oldMeta, id);
        }
    }

    /** After a block was put in place by other means than setBlock (a player's placing): the block and its neighbours are told. */
    void blockChanged(int x, int y, int z, int oldId) {
        blockUpdates.changed(this, x, y, z, oldId, blockAt(x, y, z));
    }

    // --- the blocks' own rules (BlockWorld) ---

    public boolean loaded(int x, int z) {
        return cache.inMemory(ColumnKey.of(x >> 4, z >> 4));
    }

    public void setBlockQuietly(int x, int y, int z, int id, int data) {
        long k = setBlockUnseen(x, y, z, id, data);
        if (k != NO_COLUMN) {
            showBlock(x, y, z, k, null);
        }
    }

    public void tellNeighbours(int x, int y, int z) {
        blockUpdates.tellNeighbours(this, x, y, z, blockAt(x, y, z));
    }

    public void scheduleTick(int x, int y, int z, int blockId, int delay, int priority) {
        if (blockTicks.schedule(x, y, z, blockId, level.time + delay, priority)) {
            cache.changed(ColumnKey.of(x >> 4, z >> 4)); // written with the column, so it outlives a restart
        }
    }

    public boolean tickPending(int x, int y, int z, int blockId) {
        return blockTicks.isPending(x, y, z, blockId);
    }

    public long worldTime() {
        return level.time;
    }

    public int biomeAt(int x, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        return c == null ? Column.PLAINS : c.biomes()[(z & 15) << 4 | x & 15] & 0xFF;
    }

    public int lightAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        if (c == null || y < 0 || y > 255) {
            return y < Column.FLAT_HEIGHT && c == null ? 0 : 15 - net.cubeworks.world.game.world.Daylight.subtracted(level.dayTime);
        }
        int night = net.cubeworks.world.game.world.Daylight.subtracted(level.dayTime);
        return Math.max(c.sky(x & 15, y, z & 15) - night, c.blockLight(x & 15, y, z & 15));
    }

    public int blockLightAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        return c == null || y < 0 || y > 255 ? 0 : c.blockLight(x & 15, y, z & 15);
    }

    public int skyLightAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        if (c == null || y < 0 || y > 255) {
            return y < Column.FLAT_HEIGHT && c == null ? 0 : 15;
        }
        return c.sky(x & 15, y, z & 15);
    }

    public void playSound(String name, double x, double y, double z, float volume, float pitch) {
        double range = volume > 1 ? 16 * volume : 16;
        nearby(x, y, z, range, PlayPackets.namedSoundEffect(name, x, y, z, volume, pitch).frame());
    }

    public void playEffect(int effectId, int x, int y, int z, int data) {
        nearby(x + 0.5, y + 0.5, z + 0.5, 64, PlayPackets.effect(effectId, x, y, z, data, false).frame());
    }

    public net.cubeworks.world.level.BlockEntity blockEntityAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        if (c == null || y < 0 || y > 255) {
            return null;
        }
        net.cubeworks.world.level.BlockEntity e = c.blockEntity(x & 15, y, z & 15);
        if (e == null && (e = net.cubeworks.world.level.BlockEntity.forBlock(c.block(x & 15, y, z & 15), x, y, z)) != null) {
            c.putBlockEntity(e); // a block kept without its entry (an older save's note block) gets an empty one
        }
        return e;
    }

    public long dayTime() {
        return level.dayTime;
    }

    public boolean raining() {
        return level.raining;
    }

    public void blockEntityChanged(int x, int y, int z) {
        cache.changed(ColumnKey.of(x >> 4, z >> 4));
    }

    public void blockAction(int x, int y, int z, int blockId, int byte1, int byte2) {
        nearby(x + 0.5, y + 0.5, z + 0.5, 64, PlayPackets.blockAction(x, y, z, byte1, byte2, blockId).frame());
    }

    private void nearby(double x, double y, double z, double range, byte[] frame) {
        long k = ColumnKey.of((int) Math.floor(x) >> 4, (int) Math.floor(z) >> 4);
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            double dx = p.x - x;
            double dy = p.y - y;
            double dz = p.z - z;
            if (p.known.contains(k) && dx * dx + dy * dy + dz * dz < range * range) {
                p.connection().sendFrame(frame);
            }
        }
    }

    public Random random() {
        return random;
    }

    public int difficulty() {
        return game.difficulty();
    }

    public boolean gameRule(String name) {
        return "true".equals(level.gameRules.get(name));
    }

    /** A stack the world's own doings drop (leaves' saplings, a washed-away torch): on the ground, spread as a block's drops. */
    public void dropItem(double x, double y, double z, int itemId, int count, int data) {
        items.dropItemNaturally(x, y, z, itemId, count, data, null);
    }

    @Override
    public void throwItem(double x, double y, double z, int itemId, int count, int data, Object tag, double[] motion) {
        net.cubeworks.world.game.entity.ItemEntity i = items.dropItem(x, y, z, itemId, count, data, tag);
        if (i != null) {
            i.motionX = motion[0];
            i.motionY = motion[1];
            i.motionZ = motion[2];
        }
    }

    public net.cubeworks.world.game.entity.Entities entities() {
        return game.entities();
    }

    public Object lock() {
        return game.lock();
    }

    public void explode(WorldEntity source, double x, double y, double z, float power, boolean fire) {
        blasts.byThing(source, x, y, z, power, fire);
    }

    public GameHost host() {
        return game.host();
    }

    BlockUpdates blockUpdates() {
        return blockUpdates;
    }

    /**
     * The blocks' own tick: the updates due run, then in each column within ACTIVE_RADIUS of a
     * living player the updates it was written with are taken back and three blocks a section
     * act at random.
     */
    void tickBlocks(List<OnlinePlayer> all) {
        blockUpdates.runDue(this, blockTicks, random);
        java.util.Set<Long> seen = new java.util.HashSet<Long>();
        List<Column> active = new ArrayList<Column>();
        int r = Math.min(ACTIVE_RADIUS, viewDistance);
        for (OnlinePlayer p : all) {
            if (p.dead) {
                continue;
            }
            int pcx = ColumnKey.chunk(p.x);
            int pcz = ColumnKey.chunk(p.z);
            for (int cx = pcx - r; cx <= pcx + r; cx++) {
                for (int cz = pcz - r; cz <= pcz + r; cz++) {
                    long k = ColumnKey.of(cx, cz);
                    Column c = seen.add(k) ? cache.held(k) : null;
                    if (c == null) {
                        continue;
                    }
                    if (c.tileTicks != null) {
                        blockTicks.adopt(c.tileTicks, level.time);
                        c.tileTicks = null;
                    }
                    active.add(c);
                }
            }
        }
        blockUpdates.randomTicks(this, active, random);
        blockUpdates.entitiesOnPlates(this);
    }

    /** Puts into the copies about to be saved the block updates still due in each, counted from now. */
    void stampTicks(List<Column> copies) {
        for (Column c : copies) {
            if (c.tileTicks == null) {
                c.tileTicks = blockTicks.ofColumn(c.x, c.z, level.time);
            }
        }
    }

    static final long NO_COLUMN = Long.MIN_VALUE;

    /** Changes a block and marks its column for saving, telling nobody; NO_COLUMN when its column cannot be read. */
    long setBlockUnseen(int x, int y, int z, int id, int data) {
        try {
            return cache.set(x, y, z, id, data, level.time);
        } catch (Unavailable e) {
            return NO_COLUMN;
        }
    }

    /** Sends the block as it is now to everybody who knows its column, but the one left out. */
    void showBlock(int x, int y, int z, long k, OnlinePlayer leftOut) {
        byte[] frame = PlayPackets.blockChange(x, y, z, blockAt(x, y, z), metaAt(x, y, z)).frame();
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            if (p != leftOut && p.known.contains(k)) {
                p.connection().sendFrame(frame);
            }
        }
    }

    /** The world as plugins see it. */
    public ApiWorld api() {
        return api;
    }

    public BlockEvents blockEvents() {
        return blockEvents;
    }

    boolean columnInMemory(int cx, int cz) {
        return cache.inMemory(ColumnKey.of(cx, cz));
    }

    /** Reads or makes the column; false when the store cannot read it now. */
    boolean loadColumn(int cx, int cz) {
        try {
            cache.resolve(cx, cz);
            return true;
        } catch (Unavailable e) {
            return false;
        }
    }

    /** Moves the spawn point; the clients are told, and the level keeps it. */
    void setSpawn(int x, int y, int z) {
        level.spawnX = x;
        level.spawnY = y;
        level.spawnZ = z;
        byte[] frame = PlayPackets.spawnPosition(x, y, z).frame();
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            p.connection().sendFrame(frame);
        }
    }

    void setDayTime(long time) {
        level.dayTime = time;
        byte[] frame = timePacket().frame();
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            p.connection().sendFrame(frame);
        }
    }

    // --- players in the world ---

    /**
     * Puts a joining player in: from its kept record, or new at the spawn point. A player whose
     * column cannot be read starts at the spawn. Throws Unavailable, changing nothing, when the
     * player's kept record cannot be read: the player must not be played (and saved) as new.
     */
    public void place(OnlinePlayer p) throws Unavailable {
        StoredPlayer s = saver.loadPlayer(p.getName());
        p.hadRecord = s != null;
        if (s == null || !PlayerRecords.apply(s, p)) {
            toSpawn(p); // new, or at a position no client could stand at
        }
        try {
            cache.resolve(ColumnKey.chunk(p.x), ColumnKey.chunk(p.z));
        } catch (Unavailable e) {
            toSpawn(p);
        }
        p.sent.reset(p, tick.current());
    }

    void toSpawn(OnlinePlayer p) {
        p.x = level.spawnX + 0.5;
        p.y = level.spawnY;
        p.z = level.spawnZ + 0.5;
        p.yaw = 0f;
        p.pitch = 0f;
    }

    /** The player leaves: every client that shows it destroys it, and its record is saved. */
    void leave(OnlinePlayer p) {
        Beds.wake(this, p, true, false); // his bed is free again
        interaction.windows().leave(p);
        visibility.hide(p);
        p.shown.clear();
        saver.savePlayerLater(p, level);
        cache.leftBehind(p.known); // let go at the next tick when nobody else sees them
    }

    /** Sends the player the columns it is missing; see {@link Streaming#stream}. */
    public Future<List<byte[]>> stream(OnlinePlayer p) {
        return streaming.stream(p);
    }

    public PacketOut positionPacket(OnlinePlayer p) {
        return PlayPackets.positionAndLook(p.x, p.y + EYE_HEIGHT, p.z, p.yaw, p.pitch, false);
    }

    public PacketOut healthPacket(OnlinePlayer p) {
        return PlayPackets.updateHealth(p.health, p.food, p.saturation);
    }

    public PacketOut timePacket() {
        return PlayPackets.timeUpdate(level.time, level.dayTime);
    }

    // --- the tick ---

    /** One tick, under the lock (see {@link WorldTick#run}). */
    List<Object[]> tick() {
        return tick.run();
    }

    // --- saving ---

    /** Lets go of the columns no player sees and nothing changed in, so memory follows the players. */
    void forgetUnseen() {
        columnEntities.beforeForget();
        cache.forgetUnseenBy(game.players().inJoinOrder());
    }

    /**
     * Copies what changed (under the lock) and writes it on the saver thread; a save that
     * leaves something unwritten says so on the console.
     */
    public Future<WorldSaver.Report> saveLater() {
        return saver.saveLater(level, false);
    }

    /** save-all: writes everything changed and waits for it; says what is still unsaved, or null when nothing is. */
    public String saveAndWait() {
        // what changed is copied under the world lock, as in the tick: a batch of new columns
        // handed over meanwhile must not change the cache under the copying
        Future<WorldSaver.Report> last;
        synchronized (game.lock()) {
            last = saver.saveLater(level, true);
        }
        WorldSaver.Report r = saver.await(last);
        return r.complete() ? null : r.describe();
    }

    /** Saves everything and closes the store; the tick has stopped by then. */
    public void close() {
        if (reporter != null) {
            reporter.shutdownNow();
        }
        // what changed is copied under the world lock, as in the tick: a batch of new columns
        // handed over meanwhile must not change the cache under the copying
        Future<WorldSaver.Report> last;
        synchronized (game.lock()) {
            last = saver.saveLater(level, true);
        }
        WorldSaver.Report r = saver.await(last);
        if (!r.complete()) {
            game.logger().warning("Saving failed while stopping: " + r.describe());
        }
        saver.close();
        // batches already asked for are still built, so the last packets to leaving players go out
        compressor.shutdown();
        generators.shutdown();
    }

    TickStats stats() {
        return stats;
    }
}
