package net.cubeworks.world.game.player;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.function.BooleanSupplier;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.event.player.PlayerQuitEvent;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.Json;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.settings.AccessLists;

/**
 * The online players in join order, the game mode each name last played in, and what
 * operators do to players (op, ban, kick). Changes hold the world lock; who is online is
 * also kept as a snapshot that any thread reads without it (the status ping, the tick).
 */
public final class Players {
    private final Object lock;
    private final GameHost host;
    private final AccessLists access;
    private final Logger logger;
    private final BooleanSupplier stopping;
    private final Leaving leaving;
    private final List<OnlinePlayer> online = new ArrayList<OnlinePlayer>();
    private volatile OnlinePlayer[] view = new OnlinePlayer[0];
    private final Map<String, GameMode> lastModes = new HashMap<String, GameMode>();
    private volatile GameMode defaultMode = GameMode.SURVIVAL;
    private final Entities entities;

    /**
     * What a leaving player's going undoes in the world around him (his bed, his window, his
     * figure in the others' clients, his record saved); the game answers it.
     */
    public interface Leaving {
        void leave(OnlinePlayer p);
    }

    /**
     * The list under the world lock, for the game's host: the names' access lists, the log, the
     * game mode newcomers start in (gamemode= of server.properties, by its number), whether the
     * server is stopping (leaving players then fire no events) and what a player's leaving undoes.
     */
    public Players(Object lock, GameHost host, AccessLists access, Logger logger, int gameMode, Entities entities,
            BooleanSupplier stopping, Leaving leaving) {
        this.lock = lock;
        this.host = host;
        this.access = access;
        this.logger = logger;
        this.entities = entities;
        this.stopping = stopping;
        this.leaving = leaving;
        GameMode mode = GameMode.getByValue(gameMode);
        if (mode != null) {
            defaultMode = mode;
        }
    }

    public int count() {
        return view.length;
    }

    public int nextEntityId() {
        return entities.nextId();
    }

    /** The online player of that name, ignoring case, or null. */
    public OnlinePlayer findExact(String name) {
        for (OnlinePlayer p : view) {
            if (p.getName().equalsIgnoreCase(name)) {
                return p;
            }
        }
        return null;
    }

    /** A copy of who is online now, in join order. */
    public List<OnlinePlayer> inJoinOrder() {
        return new ArrayList<OnlinePlayer>(Arrays.asList(view));
    }

    public GameMode defaultGameMode() {
        return defaultMode;
    }

    public void setDefaultGameMode(GameMode mode) {
        if (mode != null) {
            defaultMode = mode;
        }
    }

    /** The mode a returning player gets: the one they left in, else the default. */
    public GameMode modeFor(String name) {
        synchronized (lock) {
            GameMode mode = lastModes.get(name.toLowerCase());
            return mode == null ? defaultMode : mode;
        }
    }

    public void add(OnlinePlayer p) {
        synchronized (lock) {
            online.add(p);
            entities.add(p);
            view = online.toArray(new OnlinePlayer[online.size()]);
        }
    }

    /** Disconnects the player with the reason and removes them from the world. */
    public void kick(OnlinePlayer p, String reason) {
        synchronized (lock) {
            reason = PlayerEvents.kick(host, p, reason, stopping.getAsBoolean());
            if (reason == null) {
                return;
            }
            p.connection().disconnect(reason);
            remove(p, reason);
        }
    }

    /** Disconnects the player with a reason the client translates, such as "disconnect.spam". */
    public void kickTranslated(OnlinePlayer p, String key) {
        synchronized (lock) {
            p.connection().disconnectWith(Json.translate(key));
            remove(p, key);
        }
    }

    /** Takes the player out of the world: tab lists, the quit event and its message. */
    public void remove(OnlinePlayer p, String reason) {
        synchronized (lock) {
            if (!online.remove(p)) {
                return;
            }
            view = online.toArray(new OnlinePlayer[online.size()]);
            entities.remove(p);
            p.markOffline();
            p.conversations.abandonAll();
            leaving.leave(p);
            lastModes.put(p.getName().toLowerCase(), p.getGameMode());
            logger.info(p.getName() + " lost connection: " + reason);
            for (OnlinePlayer other : online) {
                other.connection().send(PlayPackets.playerListItem(p.getPlayerListName(), false, 0));
            }
            if (stopping.getAsBoolean()) {
                return;
            }
            PlayerQuitEvent event = new PlayerQuitEvent(p, "\u00a7e" + p.getName() + " left the game");
            host.callEvent(event);
            if (event.getQuitMessage() != null && event.getQuitMessage().length() > 0) {
                broadcast(event.getQuitMessage());
            }
        }
    }

    /** Logs the message and sends it to every online player; returns how many got it. */
    public int broadcast(String message) {
        logger.info(message);
        OnlinePlayer[] all = view;
        for (OnlinePlayer p : all) {
            p.sendMessage(message);
        }
        return all.length;
    }

    /** Sets the mode and tells the client (Change Game State, then its abilities). */
    public void setGameMode(OnlinePlayer p, GameMode mode) {
        synchronized (lock) {
            if (!ActionEvents.gameMode(host, p, mode)) {
                return; // a plugin keeps the mode he has
            }
            p.setModeField(mode);
            p.connection().send(PlayPackets.changeGameState(PlayPackets.GAME_STATE_MODE, mode.getValue()));
            p.sendAbilities();
        }
    }

    /** Grants or revokes operator status, saves ops.txt and, when online, recalculates the player's permissions and tells him. */
    public boolean setOp(String name, boolean op) {
        boolean changed = access.setOp(name, op);
        OnlinePlayer p = findExact(name);
        if (p != null && changed) {
            p.recalculatePermissions();
            p.sendMessage(op ? "\u00a7eYou are now op!" : "\u00a7eYou are no longer op!");
        }
        return changed;
    }

    /** Bans (kicking the player when online) or pardons a name, and saves the list. */
    public void setBanned(String name, boolean banned, String reason, String source) {
        if (!banned) {
            access.removeBan(name);
            return;
        }
        String r = access.addBan(name, reason, source);
        OnlinePlayer p = findExact(name);
        if (p != null) {
            kick(p, r);
        }
    }
}
