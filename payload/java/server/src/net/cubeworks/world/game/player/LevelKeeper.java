package net.cubeworks.world.game.player;

import java.util.Random;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Future;
import java.util.logging.Logger;

import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.SpawnArea;
import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.WorldStore;

/**
 * The level (spawn point, clocks, world type and seed, game rules) and its keeping: read from the
 * store at start, moved spawn points and set clocks told to every player, saved every while, on
 * save-all and at the stop. Loading the world replaces the level, so the parts that read it ask
 * {@link #level()} each time.
 */
public final class LevelKeeper {
    private final WorldStore store;
    private final ColumnCache cache;
    private final ServerProperties properties;
    private final Players players;
    private final Object lock;
    private final Logger logger;
    private final WorldSaver saver;
    private LevelState level = new LevelState();

    public LevelKeeper(WorldStore store, ColumnCache cache, ServerProperties properties, Players players, Object lock,
            Logger logger, WorldSaver saver) {
        this.store = store;
        this.cache = cache;
        this.properties = properties;
        this.players = players;
        this.lock = lock;
        this.logger = logger;
        this.saver = saver;
    }

    public LevelState level() {
        return level;
    }

    /**
     * Reads the level as the store keeps it. A new world takes its type and seed from the settings
     * (level-type, level-seed, generator-settings) and its spawn from the land; a kept world's
     * level.dat decides, whatever the settings say.
     */
    public void load() {
        StoredLevel stored = store.loadLevel();
        level = stored != null ? LevelState.from(stored) : LevelState.fresh(properties, new Random());
        cache.maker().setGenerator(level.generator(stored == null));
    }

    /** The world type the client is told in Join Game and Respawn. */
    public String levelType() {
        return WorldChoice.clientLevelType(level.generatorName);
    }

    /**
     * Makes the columns around the spawn ready and kept (see {@link SpawnArea}), and starts the
     * first save when it made new land, so the first player to join waits for none of it.
     */
    public void prepareSpawn(ExecutorService generators, int viewDistance) {
        if (SpawnArea.prepare(cache, generators, viewDistance, level.spawnX >> 4, level.spawnZ >> 4, logger)) {
            saveLater(); // new land: written now, while nobody is here yet
        }
    }

    /** Moves the spawn point; the clients are told, and the level keeps it. */
    public void setSpawn(int x, int y, int z) {
        level.spawnX = x;
        level.spawnY = y;
        level.spawnZ = z;
        toAll(PlayPackets.spawnPosition(x, y, z));
    }

    /** Sets the day's clock; the clients are told. */
    public void setDayTime(long time) {
        level.dayTime = time;
        toAll(timePacket());
    }

    public PacketOut timePacket() {
        return PlayPackets.timeUpdate(level.time, level.dayTime);
    }

    private void toAll(PacketOut packet) {
        byte[] frame = packet.frame();
        for (OnlinePlayer p : players.inJoinOrder()) {
            p.connection().sendFrame(frame);
        }
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
        WorldSaver.Report r = saver.await(copyUnderLock());
        return r.complete() ? null : r.describe();
    }

    /** The last save at the stop (the tick has stopped by then); then the saver stops. */
    public void saveAndClose() {
        WorldSaver.Report r = saver.await(copyUnderLock());
        if (!r.complete()) {
            logger.warning("Saving failed while stopping: " + r.describe());
        }
        saver.close();
    }

    // what changed is copied under the world lock, as in the tick: a batch of new columns
    // handed over meanwhile must not change the cache under the copying
    private Future<WorldSaver.Report> copyUnderLock() {
        synchronized (lock) {
            return saver.saveLater(level, true);
        }
    }
}
