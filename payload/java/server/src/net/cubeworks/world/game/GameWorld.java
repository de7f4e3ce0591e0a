package net.cubeworks.world.game;

import java.util.List;
import java.util.Random;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.TimeUnit;

import org.bukkit.event.inventory.InventoryType;

import net.cubeworks.world.game.api.ApiContainer;
import net.cubeworks.world.game.api.ApiWindowView;
import net.cubeworks.world.game.api.BoardFile;
import net.cubeworks.world.game.api.WorldSaving;
import net.cubeworks.world.game.block.BlockBehaviours;
import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.BlockInventories;
import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.block.BlockUpdates;
import net.cubeworks.world.game.block.Furnaces;
import net.cubeworks.world.game.block.Hoppers;
import net.cubeworks.world.game.block.Jukeboxes;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.ColumnEntities;
import net.cubeworks.world.game.entity.EntityCodecs;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.game.interaction.BlockBreaking;
import net.cubeworks.world.game.interaction.BlockReach;
import net.cubeworks.world.game.interaction.Hands;
import net.cubeworks.world.game.interaction.Interaction;
import net.cubeworks.world.game.interaction.Throwing;
import net.cubeworks.world.game.player.Beds;
import net.cubeworks.world.game.player.Blasts;
import net.cubeworks.world.game.player.BodyPackets;
import net.cubeworks.world.game.player.Combat;
import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.Eating;
import net.cubeworks.world.game.player.ExplosionHits;
import net.cubeworks.world.game.player.HeldColumns;
import net.cubeworks.world.game.player.Hunger;
import net.cubeworks.world.game.player.ItemViewers;
import net.cubeworks.world.game.player.Movement;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Respawning;
import net.cubeworks.world.game.player.StatusEffects;
import net.cubeworks.world.game.player.Survival;
import net.cubeworks.world.game.player.Teleport;
import net.cubeworks.world.game.player.Visibility;
import net.cubeworks.world.game.player.WeatherBroadcast;
import net.cubeworks.world.game.player.WorldSaver;
import net.cubeworks.world.game.thread.Threads;
import net.cubeworks.world.game.window.BlockWindows;
import net.cubeworks.world.game.window.FurnaceWindows;
import net.cubeworks.world.game.window.InventoryEvents;
import net.cubeworks.world.game.window.Windows;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.SpawnArea;
import net.cubeworks.world.game.world.Streaming;
import net.cubeworks.world.game.world.Weather;
import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredScoreboard;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.timing.TickStats;
import net.cubeworks.world.timing.TimeReport;
import net.cubeworks.world.game.api.ApiWorld;
import net.cubeworks.world.game.api.BlockEvents;

/**
 * The world players stand in: its columns (flat, generated on demand, or as kept by the
 * store), the level, and the tick of 20 a second for movement, time and survival. Its
 * parts each do one job (streaming, who sees whom, moves, blocks and inventories,
 * survival, saving); this holds them together. Everything here runs on the game thread
 * or under the world lock.
 */
public final class GameWorld implements WorldSaving {
    static final int TICKS_PER_SECOND = 20;
    static final int SAVE_INTERVAL_TICKS = 45 * TICKS_PER_SECOND;
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
    private final Teleport teleport;
    private final Hands hands;
    private final Windows windows;
    private final Combat combat;
    private final Hunger hunger;
    private final Eating eating;
    private final Survival survival;
    private final Respawning respawning;
    private final Beds beds;
    private final StatusEffects effects;
    private final WorldSaver saver;
    private final PlayerPlacement placement;
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
    private final Weather weather;
    private ScheduledExecutorService reporter;
    private final Random random = new Random();
    /** The blocks as their rules see them: their changes, updates and own tick. */
    private final WorldBlocks blocks;
    /** How far from a player, in columns, blocks act by themselves (picked at random, updates adopted from disk). */
    static final int ACTIVE_RADIUS = 7;
    /** The order of one tick, and the ticks counted. */
    private final WorldTick tick;
    /** What players' clients ask of the game. */
    private final ClientActions clientActions;
    /** What blocks own (a sign's text, a container's slots), the furnaces at work, and the windows over them. */
    private final BlockEntities blockEntities;
    private final Furnaces furnaces;
    private final BlockWindows blockWindows;

    GameWorld(Game game, WorldStore store, int viewDistance) {
        this.game = game;
        this.store = store;
        this.viewDistance = Math.max(3, Math.min(15, viewDistance));
        net.cubeworks.world.util.HeapWatch.install();
        this.cache = new ColumnCache(store);
        this.blockEntities = new BlockEntities(cache, game.logger(), game.players()::inJoinOrder);
        this.compressor = Executors.newSingleThreadExecutor(Threads.daemon("Chunk compressor"));
        this.generators = Executors.newFixedThreadPool(Math.max(1, Runtime.getRuntime().availableProcessors()),
                Threads.daemon("World generator"));
        this.visibility = new Visibility(game.players(), game.entities(), delivery);
        this.streaming = new Streaming(cache, store, compressor, generators, game.lock(), game.logger(),
                this.viewDistance);
        this.blocks = new WorldBlocks(cache, () -> level, new BlockUpdates(new BlockBehaviours(), random.nextInt()),
                random, game.players()::inJoinOrder, game.entities(), game.lock(), game.host(), game::difficulty,
                Math.min(ACTIVE_RADIUS, this.viewDistance));
        this.hunger = new Hunger(game.host(), game::difficulty, delivery, (p, amount, how) -> survival().damage(p, amount, how));
        this.mobs = new net.cubeworks.world.game.mob.Mobs(new MobLink(this), new Random());
        this.eating = new Eating(game.host(), this::currentTick, delivery, hunger, mobs);
        this.saver = new WorldSaver(game.logger(), game.host(), game.properties(), game.players(), blocks, cache, store,
                Executors.newSingleThreadExecutor(Threads.daemon("World saver")));
        this.api = new ApiWorld(game.lock(), game.thread(), game.logger(), game.properties(), game.metadata(),
                game.players(), game.entities(), cache, cache.keeping(), blocks, this::level, this::weather,
                this::setDayTime, this::setSpawn, this, game::difficulty, game::setDifficulty, this::mobs, this::items,
                (x, y, z, power, fire, breaks) -> blasts().byPlugin(x, y, z, power, fire, breaks), blockEntities,
                this::furnaces);
        this.items = new GroundItems(game.lock(), game.entities(), game.host(), api, blocks, BlockRules::solid,
                new ItemViewers(game.players(), visibility, delivery));
        this.survival = new Survival(game.host(), game::difficulty, game.properties(), game.access(), game.players(),
                () -> level, delivery, hunger, eating, blocks, items, visibility, game.playerGame()::closeWindow);
        this.respawning = new Respawning(game.host(), game::difficulty, () -> level, this::currentTick, streaming,
                visibility, p -> beds().respawnPlace(p), p -> placement().toSpawn(p));
        this.effects = new StatusEffects(game.host(), this::currentTick, survival);
        this.movement = new Movement(game.host(), game.logger(), game.properties(), game.players(), blocks, streaming,
                hunger, survival);
        this.combat = new Combat(game.properties(), game::difficulty, game.host(), this::currentTick, hunger, visibility,
                survival);
        this.blasts = new Blasts(blocks, () -> level, game.host(), api, new ExplosionHits(game.players(),
                game.entities(), game.host(), game::difficulty, survival::damage, visibility));
        cache.keeping().setUnloadCheck(WorldEvents.unloads(game.host(), api));
        this.blockEvents = new BlockEvents(game.host(), blocks, api, blockEntities);
        EntityCodecs codecs = new EntityCodecs();
        items.register(codecs);
        net.cubeworks.world.game.entity.ObjectCodecs.register(codecs, blocks);
        blocks.attach(items, blasts::byThing, api);
        BlockInventories inventories = (x, y, z, type, size) -> api.blockInventory(x, y, z, type, size, null);
        this.furnaces = new Furnaces(blockEntities, blocks, cache, game.host(), api);
        InventoryEvents inventoryEvents = new InventoryEvents(game.host(), (p, w) -> new ApiWindowView(game.lock(), game.thread(), p, w));
        this.windows = new Windows(blocks, items, this::currentTick, inventoryEvents, game.players(), blockEntities,
                inventories);
        Hoppers hoppers = new Hoppers(blockEntities, blocks, cache, items, game.host(), inventories, furnaces,
                windows::chestChangedAt);
        FurnaceWindows furnaceWindows = new FurnaceWindows(furnaces, blockEntities, blocks, items, game.host(), api,
                inventories, windows);
        this.blockWindows = new BlockWindows(blockEntities, blocks, windows, furnaceWindows, new Jukeboxes(blockEntities, blocks,
                items), hoppers, inventories, p -> new ApiContainer(game.lock(), game.thread(), game.players(), p,
                        InventoryType.ENDER_CHEST, p.inventory().ender, InventoryType.ENDER_CHEST.getDefaultTitle(), null));
        HandsLink link = new HandsLink(this);
        BlockBehaviours behaviours = new BlockBehaviours();
        BlockReach reach = new BlockReach(blocks, () -> level, game.properties(), game.access(), game.players());
        BlockBreaking breaking = new BlockBreaking(blocks, behaviours, reach, items, () -> level, this::currentTick,
                game.host(), link, eating, hunger, blockEntities);
        this.interaction = new Interaction(blocks, behaviours, reach, breaking, game.properties(), game.host(), api, link,
                eating, new Throwing(mobs), blockEntities);
        this.hands = new Hands(game.logger(), game.host(), game.players(), items, this::currentTick, combat, hunger,
                inventoryEvents, visibility);
        this.teleport = new Teleport(game.lock(), streaming, p -> interaction.stopDigging(p));
        this.clientActions = new ClientActions(movement, interaction, hands, windows, p -> beds().leave(p),
                game.chat(), blockEvents, respawning);
        this.columnEntities = new ColumnEntities(game.entities(), codecs, new HeldColumns(cache, game.players()));
        saver.attach(api, columnEntities);
        this.placement = new PlayerPlacement(this, saver, cache);
        this.tick = new WorldTick(game, this, cache, delivery, visibility, survival, interaction, saver, api, furnaces,
                furnaceWindows, hoppers, blockWindows);
        mobs.register(codecs);
        this.weather = new Weather(game.host(), api, new WeatherBroadcast(game.players(), delivery));
        this.beds = new Beds(blocks, () -> level, game.host(), api, teleport, visibility, game.players(), game.entities(),
                weather, this::setDayTime, cache);
    }

    /** Rain and thunder. */
    public Weather weather() {
        return weather;
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

    /** The blocks as their rules and moving things see them. */
    public WorldBlocks blocks() {
        return blocks;
    }

    BlockEntities blockEntities() { return blockEntities; }
    Furnaces furnaces() { return furnaces; }
    BlockWindows blockWindows() { return blockWindows; }

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

    /** Moves players at once, as commands and beds do. */
    public Teleport teleport() {
        return teleport;
    }

    /** What players do with their hands: the slot in hand, swings, clicks on others, creative slots. */
    public Hands hands() {
        return hands;
    }

    /** The players' windows: clicks, crafting tables, closing. */
    public Windows windows() {
        return windows;
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

    /** Sleeping, and the places players come back to. */
    public Beds beds() {
        return beds;
    }

    /** A dead player's way back. */
    public Respawning respawning() {
        return respawning;
    }

    StatusEffects effects() {
        return effects;
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

            public void saveWith(java.util.function.Supplier<StoredScoreboard> snapshot) {
                saver.saveScoreboardWith(snapshot);
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
        game.thread().setWorldTick(new TimedTick(game.lock(), stats, this::tick));
        if (TimeReport.asked()) {
            reporter = Executors.newSingleThreadScheduledExecutor(Threads.daemon("Tick report"));
            reporter.scheduleAtFixedRate(new Runnable() {
                public void run() {
                    game.logger().info(TickStats.describe(stats.takeSummary()));
                }
            }, 10, 10, TimeUnit.SECONDS);
        }
    }

    /** The world as plugins see it. */
    public ApiWorld api() {
        return api;
    }

    public BlockEvents blockEvents() {
        return blockEvents;
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

    /** Where joining players are put, and what a leaving one undoes. */
    /** What players' clients ask of the game, for the connection side. */
    public ClientActions clientActions() {
        return clientActions;
    }

    public PlayerPlacement placement() {
        return placement;
    }

    /** Sends the player the columns it is missing; see {@link Streaming#stream}. */
    public Future<List<byte[]>> stream(OnlinePlayer p) {
        return streaming.stream(p);
    }

    public PacketOut positionPacket(OnlinePlayer p) {
        return BodyPackets.position(p);
    }

    public PacketOut healthPacket(OnlinePlayer p) {
        return BodyPackets.health(p);
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

    /** A plugin's save: as {@link #saveLater}, not waited for. */
    public void save() {
        saveLater();
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
