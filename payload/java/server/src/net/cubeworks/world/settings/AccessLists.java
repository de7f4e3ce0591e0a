package net.cubeworks.world.settings;

import java.io.File;
import java.io.IOException;
import java.util.Date;
import java.util.List;
import java.util.logging.Logger;

/**
 * Who may do what: the operators (ops.txt), the banned names (banned-players.txt), the banned
 * addresses (banned-ips.txt, the same format with the address first) and the
 * white-list (white-list.txt, which admits only its names and the operators while it is on)
 * in a folder. Every change is saved at once; a failed save is reported and the list in memory
 * keeps the change. Safe from any thread.
 */
public final class AccessLists {
    private final File folder;
    private final Logger logger;
    private NameList ops;
    private BanList bans;
    private BanList ipBans;
    private NameList whitelist;
    private volatile boolean whitelistOn;

    public AccessLists(File folder, Logger logger) {
        this.folder = folder;
        this.logger = logger;
    }

    private File file(String name) {
        return new File(folder, name);
    }

    /** Reads the lists and writes any that is missing; the white-list is on as white-list= says. */
    public synchronized void load(boolean whitelistEnabled) {
        whitelistOn = whitelistEnabled;
        ops = new NameList(file("ops.txt"));
        bans = new BanList(file("banned-players.txt"));
        ipBans = new BanList(file("banned-ips.txt"));
        whitelist = new NameList(file("white-list.txt"));
        loadWhitelist();
        if (!file("white-list.txt").exists()) {
            saveWhitelist();
        }
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
        try {
            ipBans.load();
        } catch (IOException ex) {
            logger.warning("Failed to load ip ban list: " + ex);
        }
        if (!file("ops.txt").exists()) {
            saveOps();
        }
        if (!file("banned-players.txt").exists()) {
            saveBans();
        }
        if (!file("banned-ips.txt").exists()) {
            saveIpBans();
        }
    }

    public synchronized void saveIpBans() {
        try {
            ipBans.save();
        } catch (IOException ex) {
            logger.warning("Failed to save ip ban list: " + ex);
        }
    }

    /** The ban of that address, or null. */
    public synchronized BanList.Entry ipBan(String address) {
        return ipBans == null || address == null ? null : ipBans.get(address);
    }

    /** Adds or replaces an address's ban as given and saves banned-ips.txt. */
    public synchronized void addIpBan(BanList.Entry e) {
        ipBans.add(e);
        saveIpBans();
    }

    public synchronized void removeIpBan(String address) {
        ipBans.remove(address);
        saveIpBans();
    }

    public synchronized List<String> bannedAddresses() {
        return ipBans == null ? java.util.Collections.<String>emptyList() : ipBans.names();
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

    // ---- the white-list ----

    public boolean whitelistOn() {
        return whitelistOn;
    }

    /**
     * Turns the white-list on or off, and writes that into white-list= of server.properties
     * (only that value: the host's own text stays as it is), so that it holds after a restart
     * and the manager's settings page shows it.
     */
    public void setWhitelistOn(boolean on, File properties) {
        whitelistOn = on;
        try {
            ServerProperties.setValue(properties, "white-list", String.valueOf(on));
        } catch (IOException ex) {
            logger.warning("Failed to save " + properties.getName() + ": " + ex);
        }
    }

    /** True when the white-list is off, or names the player, or the player is an operator. */
    public synchronized boolean admits(String name) {
        return !whitelistOn || (whitelist != null && whitelist.contains(name)) || isOp(name);
    }

    public synchronized boolean isWhitelisted(String name) {
        return whitelist != null && whitelist.contains(name);
    }

    /** Adds or removes a name and saves white-list.txt; true when it changed. */
    public synchronized boolean setWhitelisted(String name, boolean listed) {
        boolean changed = listed ? whitelist.add(name) : whitelist.remove(name);
        saveWhitelist();
        return changed;
    }

    public synchronized List<String> whitelistNames() {
        return whitelist == null ? java.util.Collections.<String>emptyList() : whitelist.names();
    }

    /** Reads white-list.txt again, as the host may have edited it. */
    public synchronized void loadWhitelist() {
        try {
            whitelist.load();
        } catch (IOException ex) {
            logger.warning("Failed to load white-list: " + ex);
        }
    }

    private void saveWhitelist() {
        try {
            whitelist.save();
        } catch (IOException ex) {
            logger.warning("Failed to save white-list: " + ex);
        }
    }

    /** Adds or replaces a ban as given (an end date kept too) and saves the list. */
    public synchronized void addBan(BanList.Entry e) {
        bans.add(e);
        saveBans();
    }
}
