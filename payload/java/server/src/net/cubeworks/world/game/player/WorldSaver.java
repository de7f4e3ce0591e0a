package net.cubeworks.world.game.player;

import java.io.IOException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.concurrent.Callable;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ConcurrentMap;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import java.util.logging.Level;
import java.util.logging.Logger;

import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.ColumnEntities;
import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerRecords;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.StoredScoreboard;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;

/**
 * Saving: what changed is copied under the lock and written on the saver thread, so the
 * game goes on meanwhile. Player records not yet written (on their way to the disk, or
 * whose writing failed) are kept here, so that a rejoin reads them and not the older file,
 * and those that failed are written again with the next save.
 */
public final class WorldSaver {
    /** What one save left unwritten; empty when everything was written. */
    public static final class Report {
        boolean levelUnsaved;
        boolean scoreboardUnsaved;
        int columnsUnsaved;
        final List<String> playersUnsaved = new ArrayList<String>();
        /** Why, as the first failure said; null when nothing failed. */
        String cause;

        public boolean complete() {
            return cause == null;
        }

        void failed(Exception ex) {
            if (cause == null) {
                cause = ex.toString();
            }
        }

        /** E.g. "3 columns, the level and the players Alex, Bo are still unsaved (java.io.IOException: ...)". */
        public String describe() {
            List<String> parts = new ArrayList<String>();
            if (columnsUnsaved > 0) {
                parts.add(columnsUnsaved + (columnsUnsaved == 1 ? " column" : " columns"));
            }
            if (levelUnsaved) {
                parts.add("the level");
            }
            if (scoreboardUnsaved) {
                parts.add("the scoreboard");
            }
            if (!playersUnsaved.isEmpty()) {
                StringBuilder b = new StringBuilder(playersUnsaved.size() == 1 ? "the player " : "the players ");
                for (int i = 0; i < playersUnsaved.size(); i++) {
                    b.append(i == 0 ? "" : ", ").append(playersUnsaved.get(i));
                }
                parts.add(b.toString());
            }
            StringBuilder b = new StringBuilder();
            for (int i = 0; i < parts.size(); i++) {
                b.append(i == 0 ? "" : i == parts.size() - 1 ? " and " : ", ").append(parts.get(i));
            }
            if (parts.isEmpty()) {
                b.append("the save did not finish");
            } else {
                boolean one = parts.size() == 1 && columnsUnsaved <= 1 && playersUnsaved.size() <= 1;
                b.append(one ? " is" : " are");
                b.append(" still unsaved");
            }
            return b.append(" (").append(cause).append(")").toString();
        }
    }

    /** A player record not yet written, with the name it is written under. */
    private static final class Unwritten {
        final String name;
        final StoredPlayer record;

        Unwritten(String name, StoredPlayer record) {
            this.name = name;
            this.record = record;
        }
    }

    private final GameHost host;
    private final ServerProperties properties;
    private final Players players;
    private final WorldBlocks blocks;
    private final ColumnCache cache;
    private final WorldStore store;
    private final ExecutorService saver;
    private final Logger logger;
    /**
     * Player records not yet written, by lower-case name: handed to the saver, or failed
     * and waiting for the next save. A record leaves only once it is on the disk.
     */
    private final ConcurrentMap<String, Unwritten> unwritten = new ConcurrentHashMap<String, Unwritten>();
    /** What each save writes of the main scoreboard (taken when the save starts); null: nothing. */
    private volatile java.util.function.Supplier<StoredScoreboard> scoreboard;

    /** From now on each save writes the main scoreboard as the snapshot then takes it. */
    public void saveScoreboardWith(java.util.function.Supplier<StoredScoreboard> snapshot) {
        scoreboard = snapshot;
    }

    /** The plugins' world, told of each save; and the entities kept with their columns. Made after this, handed over once. */
    private org.bukkit.World api;
    private ColumnEntities columnEntities;

    public WorldSaver(Logger logger, GameHost host, ServerProperties properties, Players players, WorldBlocks blocks,
            ColumnCache cache, WorldStore store, ExecutorService saver) {
        this.logger = logger;
        this.host = host;
        this.properties = properties;
        this.players = players;
        this.blocks = blocks;
        this.cache = cache;
        this.store = store;
        this.saver = saver;
    }

    public void attach(org.bukkit.World api, ColumnEntities columnEntities) {
        this.api = api;
        this.columnEntities = columnEntities;
    }

    private static String key(String name) {
        return name.toLowerCase(Locale.ROOT);
    }

    /** The newest record of the player: one not yet written, else the stored one. */
    public StoredPlayer loadPlayer(String name) throws net.cubeworks.world.storage.Unavailable {
        Unwritten u = unwritten.get(key(name));
        return u != null ? u.record : store.loadPlayer(name);
    }

    private Unwritten keep(String name, StoredPlayer s) {
        Unwritten u = new Unwritten(name, s);
        unwritten.put(key(name), u);
        return u;
    }

    /** A leaving player's record, written on the saver thread; kept for the next save if that fails. */
    public void savePlayerLater(OnlinePlayer p, LevelState level) {
        final Unwritten u = keep(p.getName(), PlayerRecords.toStored(p, level));
        saver.submit(new Runnable() {
            public void run() {
                Report r = new Report();
                savePlayer(u, r);
                if (!r.complete()) {
                    logger.warning("The record of " + u.name + " is kept in memory and written with the next save");
                }
            }
        });
    }

    /** On the saver thread: writes the record; one that fails stays for the next save. */
    private void savePlayer(Unwritten u, Report report) {
        try {
            store.savePlayer(u.name, u.record);
            unwritten.remove(key(u.name), u);
            return;
        } catch (IOException ex) {
            logger.warning("Could not save player " + u.name + ": " + ex);
            report.failed(ex);
        } catch (RuntimeException ex) {
            logger.log(Level.WARNING, "Could not save player " + u.name, ex);
            report.failed(ex);
        }
        report.playersUnsaved.add(u.name);
    }

    /**
     * Copies what changed (under the lock) and writes it on the saver thread, with the
     * player records an earlier save could not write. Unless {@code quiet} (the autosave is
     * not: nobody else tells its outcome), a save that leaves something unwritten says so on
     * the console.
     */
    public Future<Report> saveLater(LevelState level, final boolean quiet) {
        WorldEvents.saving(host, api);
        if (columnEntities != null) {
            columnEntities.beforeSave(); // the columns with entities are saved with them
        }
        final List<Column> copies = cache.takeChanges();
        if (columnEntities != null) {
            columnEntities.fill(copies);
        }
        blocks.stampTicks(copies);
        final Map<String, Unwritten> records = new LinkedHashMap<String, Unwritten>();
        List<OnlinePlayer> online = players.inJoinOrder();
        for (OnlinePlayer p : online) {
            records.put(key(p.getName()), keep(p.getName(), PlayerRecords.toStored(p, level)));
        }
        for (Map.Entry<String, Unwritten> e : unwritten.entrySet()) {
            if (!records.containsKey(e.getKey())) {
                records.put(e.getKey(), e.getValue());
            }
        }
        final StoredLevel levelCopy = level.toStored(players.defaultGameMode().getValue(),
                properties.hardcore(), properties.levelName());
        java.util.function.Supplier<StoredScoreboard> board = scoreboard;
        final StoredScoreboard boardCopy = board == null ? null : board.get();
        cache.forgetUnseenBy(online);
        return saver.submit(new Callable<Report>() {
            public Report call() {
                Report report = new Report();
                try {
                    store.saveLevel(levelCopy);
                } catch (IOException ex) {
                    logger.warning("Could not save the level: " + ex);
                    report.levelUnsaved = true;
                    report.failed(ex);
                } catch (RuntimeException ex) {
                    logger.log(Level.WARNING, "Could not save the level", ex);
                    report.levelUnsaved = true;
                    report.failed(ex);
                }
                if (boardCopy != null) {
                    try {
                        store.saveScoreboard(boardCopy);
                    } catch (IOException ex) {
                        logger.warning("Could not save the scoreboard: " + ex);
                        report.scoreboardUnsaved = true;
                        report.failed(ex);
                    } catch (RuntimeException ex) {
                        logger.log(Level.WARNING, "Could not save the scoreboard", ex);
                        report.scoreboardUnsaved = true;
                        report.failed(ex);
                    }
                }
                boolean failed = true;
                try {
                    store.saveColumns(copies);
                    failed = false;
                } catch (IOException ex) {
                    logger.warning("Could not save " + copies.size() + " columns: " + ex);
                    report.failed(ex);
                } catch (RuntimeException ex) {
                    logger.log(Level.WARNING, "Could not save " + copies.size() + " columns", ex);
                    report.failed(ex);
                } finally {
                    cache.written(copies, failed);
                }
                if (failed) {
                    report.columnsUnsaved = copies.size();
                }
                for (Unwritten u : records.values()) {
                    savePlayer(u, report);
                }
                if (!quiet && !report.complete()) {
                    logger.warning("The autosave failed: " + report.describe()
                            + "; what is unsaved is kept in memory and tried again with the next save");
                }
                return report;
            }
        });
    }

    /**
     * Writes columns that left the world (see {@link ColumnCache#releaseLeftBehind}) on the saver
     * thread; those it cannot write are kept for the next save, and read back from there meanwhile.
     */
    public void saveColumnsLater(final List<Column> columns) {
        if (columns.isEmpty()) {
            return;
        }
        blocks.stampTicks(columns);
        saver.submit(new Runnable() {
            public void run() {
                boolean failed = true;
                try {
                    store.saveColumns(columns);
                    failed = false;
                } catch (IOException ex) {
                    logger.warning("Could not save " + columns.size() + " columns: " + ex
                            + "; they are kept in memory and tried again with the next save");
                } catch (RuntimeException ex) {
                    logger.log(Level.WARNING, "Could not save " + columns.size() + " columns", ex);
                } finally {
                    cache.written(columns, failed);
                }
            }
        });
    }

    /** Waits for a save handed to the saver; what it left unwritten. */
    public Report await(Future<Report> save) {
        try {
            return save.get(60, TimeUnit.SECONDS);
        } catch (Exception ex) {
            logger.warning("Saving did not finish: " + ex);
            Report r = new Report();
            r.failed(ex);
            return r;
        }
    }

    /** Lets the saver finish what it was handed, then closes the store. */
    public void close() {
        saver.shutdown();
        try {
            saver.awaitTermination(30, TimeUnit.SECONDS);
        } catch (InterruptedException ignored) {
            // closing anyway
        }
        store.close();
    }
}
