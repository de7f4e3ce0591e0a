package net.cubeworks.world.settings;

import java.io.File;
import java.io.IOException;
import java.util.Date;
import java.util.List;
import java.util.logging.Logger;

/**
 * Who may do what: the operators (ops.txt) and the banned names (banned-players.txt) in a
 * folder. Every change is saved at once; a failed save is reported and the list in memory
 * keeps the change. Safe from any thread.
 */
public final class AccessLists {
    private final File folder;
    private final Logger logger;
    private OpList ops;
    private BanList bans;

    public AccessLists(File folder, Logger logger) {
        this.folder = folder;
        this.logger = logger;
    }

    private File file(String name) {
        return new File(folder, name);
    }

    /** Reads both lists and writes any that is missing. */
    public synchronized void load() {
        ops = new OpList(file("ops.txt"));
        bans = new BanList(file("banned-players.txt"));
        try {
            ops.load();
        } catch (IOException ex) {
            logger.warning("Failed to load operators list: " + ex);
        }
        try {
            bans.load();
        } catch (IOException ex) {
            logger.warning("Failed to load ban list: " + ex);
        }
        if (!file("ops.txt").exists()) {
            saveOps();
        }
        if (!file("banned-players.txt").exists()) {
            saveBans();
        }
    }

    public synchronized boolean loaded() {
        return ops != null;
    }

    public synchronized void saveOps() {
        try {
            ops.save();
        } catch (IOException ex) {
            logger.warning("Failed to save operators list: " + ex);
        }
    }

    public synchronized void saveBans() {
        try {
            bans.save();
        } catch (IOException ex) {
            logger.warning("Failed to save ban list: " + ex);
        }
    }

    public synchronized boolean isOp(String name) {
        return ops != null && ops.contains(name);
    }

    /** Grants or revokes operator status and saves ops.txt; true when it changed. */
    public synchronized boolean setOp(String name, boolean op) {
        boolean changed = op ? ops.add(name) : ops.remove(name);
        saveOps();
        return changed;
    }

    public synchronized List<String> opNames() {
        return ops == null ? java.util.Collections.<String>emptyList() : ops.names();
    }

    /** The ban of that name, or null. */
    public synchronized BanList.Entry ban(String name) {
        return bans == null ? null : bans.get(name);
    }

    public boolean isBanned(String name) {
        return ban(name) != null;
    }

    /** Bans a name (the default reason when none is given) and saves the list; returns the reason. */
    public synchronized String addBan(String name, String reason, String source) {
        String r = reason == null || reason.length() == 0 ? BanList.DEFAULT_REASON : reason;
        bans.add(new BanList.Entry(name, new Date(), source, null, r));
        saveBans();
        return r;
    }

    public synchronized void removeBan(String name) {
        bans.remove(name);
        saveBans();
    }

    public synchronized List<String> bannedNames() {
        return bans.names();
    }
}
