package net.cubeworks.world;

import java.io.File;
import java.io.IOException;
import java.util.Date;
import java.util.List;
import java.util.logging.Logger;

/**
 * Who may do what: the operators (ops.txt) and the banned names (banned-players.txt).
 * Every change is saved at once. Guarded by the server lock.
 */
final class AccessLists {
    private final WorldServer server;
    private OpList ops;
    private BanList bans;

    AccessLists(WorldServer server) {
        this.server = server;
    }

    /** Reads both lists and writes any that is missing. */
    void load() {
        Logger logger = server.logger();
        synchronized (server.lock) {
            ops = new OpList(WorldServer.file("ops.txt"));
            bans = new BanList(WorldServer.file("banned-players.txt"));
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
            if (!WorldServer.file("ops.txt").exists()) {
                saveOps();
            }
            if (!WorldServer.file("banned-players.txt").exists()) {
                saveBans();
            }
        }
    }

    boolean loaded() {
        return ops != null;
    }

    void saveOps() {
        try {
            ops.save();
        } catch (IOException ex) {
            server.logger().warning("Failed to save operators list: " + ex);
        }
    }

    void saveBans() {
        try {
            bans.save();
        } catch (IOException ex) {
            server.logger().warning("Failed to save ban list: " + ex);
        }
    }

    boolean isOp(String name) {
        synchronized (server.lock) {
            return ops != null && ops.contains(name);
        }
    }

    /** Grants or revokes operator status, saves ops.txt and tells an online player. */
    boolean setOp(String name, boolean op) {
        synchronized (server.lock) {
            boolean changed = op ? ops.add(name) : ops.remove(name);
            saveOps();
            OnlinePlayer p = server.players().findExact(name);
            if (p != null && changed) {
                p.sendMessage(op ? "\u00a7eYou are now op!" : "\u00a7eYou are no longer op!");
            }
            return changed;
        }
    }

    List<String> opNames() {
        synchronized (server.lock) {
            return ops.names();
        }
    }

    /** The ban of that name, or null. */
    BanList.Entry ban(String name) {
        synchronized (server.lock) {
            return bans == null ? null : bans.get(name);
        }
    }

    boolean isBanned(String name) {
        return ban(name) != null;
    }

    /** Bans (kicking the player when online) or pardons a name, and saves the list. */
    void setBanned(String name, boolean banned, String reason, String source) {
        synchronized (server.lock) {
            if (banned) {
                String r = reason == null || reason.length() == 0 ? BanList.DEFAULT_REASON : reason;
                bans.add(new BanList.Entry(name, new Date(), source, null, r));
                saveBans();
                OnlinePlayer p = server.players().findExact(name);
                if (p != null) {
                    server.players().kick(p, r);
                }
            } else {
                bans.remove(name);
                saveBans();
            }
        }
    }

    List<String> bannedNames() {
        synchronized (server.lock) {
            return bans.names();
        }
    }
}
