package net.cubeworks.world.game;

import java.io.IOException;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ConcurrentMap;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import java.util.logging.Level;
import java.util.logging.Logger;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.WorldStore;

/**
 * Saving: what changed is copied under the lock and written on the saver thread, so the
 * game goes on meanwhile. Player records on their way to the disk are kept here, so that a
 * quick rejoin reads them and not the older file.
 */
final class WorldSaver {
    private final Game game;
    private final ColumnCache cache;
    private final WorldStore store;
    private final ExecutorService saver;
    private final Logger logger;
    /** Player records handed to the saver and not yet written, by lower-case name. */
    private final ConcurrentMap<String, StoredPlayer> playersInFlight = new ConcurrentHashMap<String, StoredPlayer>();

    WorldSaver(Game game, ColumnCache cache, WorldStore store, ExecutorService saver) {
        this.game = game;
        this.cache = cache;
        this.store = store;
        this.saver = saver;
        this.logger = game.logger();
    }

    private static String key(String name) {
        return name.toLowerCase(Locale.ROOT);
    }

    /** The newest record of the player: one still on its way to the disk, else the stored one. */
    StoredPlayer loadPlayer(String name) throws net.cubeworks.world.storage.Unavailable {
        StoredPlayer s = playersInFlight.get(key(name));
        return s != null ? s : store.loadPlayer(name);
    }

    /** A leaving player's record, written on the saver thread. */
    void savePlayerLater(OnlinePlayer p, LevelState level) {
        final String name = p.getName();
        final StoredPlayer s = PlayerRecords.toStored(p, level);
        playersInFlight.put(key(name), s);
        saver.submit(new Runnable() {
            public void run() {
                savePlayer(name, s);
            }
        });
    }

    /** On the saver thread. */
    private void savePlayer(String name, StoredPlayer s) {
        try {
            store.savePlayer(name, s);
        } catch (IOException ex) {
            logger.warning("Could not save player " + name + ": " + ex);
        } catch (RuntimeException ex) {
            logger.log(Level.WARNING, "Could not save player " + name, ex);
        } finally {
            playersInFlight.remove(key(name), s);
        }
    }

    /** Copies what changed (under the lock) and writes it on the saver thread. */
    Future<?> saveLater(LevelState level) {
        final List<Column> copies = cache.takeChanges();
        final Map<String, StoredPlayer> records = new HashMap<String, StoredPlayer>();
        Set<Long> seen = new HashSet<Long>();
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            StoredPlayer s = PlayerRecords.toStored(p, level);
            records.put(p.getName(), s);
            playersInFlight.put(key(p.getName()), s);
            seen.addAll(p.known);
        }
        final StoredLevel levelCopy = level.toStored(game.players().defaultGameMode().getValue(),
                game.properties().hardcore(), game.properties().levelName());
        cache.forgetAllBut(seen);
        return saver.submit(new Runnable() {
            public void run() {
                try {
                    store.saveLevel(levelCopy);
                } catch (IOException ex) {
                    logger.warning("Could not save the level: " + ex);
                } catch (RuntimeException ex) {
                    logger.log(Level.WARNING, "Could not save the level", ex);
                }
                boolean failed = true;
                try {
                    store.saveColumns(copies);
                    failed = false;
                } catch (IOException ex) {
                    logger.warning("Could not save " + copies.size() + " columns: " + ex);
                } catch (RuntimeException ex) {
                    logger.log(Level.WARNING, "Could not save " + copies.size() + " columns", ex);
                } finally {
                    cache.written(copies, failed);
                }
                for (Map.Entry<String, StoredPlayer> e : records.entrySet()) {
                    savePlayer(e.getKey(), e.getValue());
                }
            }
        });
    }

    /** Waits for a save handed to the saver. */
    void await(Future<?> save) {
        try {
            save.get(60, TimeUnit.SECONDS);
        } catch (Exception ex) {
            logger.warning("Saving did not finish: " + ex);
        }
    }

    /** Lets the saver finish what it was handed, then closes the store. */
    void close() {
        saver.shutdown();
        try {
            saver.awaitTermination(30, TimeUnit.SECONDS);
        } catch (InterruptedException ignored) {
            // closing anyway
        }
        store.close();
    }
}
