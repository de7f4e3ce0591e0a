package net.cubeworks.world;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.GameMode;
import org.bukkit.event.player.PlayerQuitEvent;

import net.cubeworks.world.net.Json;
import net.cubeworks.world.net.PacketOut;

/**
 * The online players in join order, and the game mode each name last played in. Every
 * method holds the server lock; sending to a client only queues a packet.
 */
final class Players {
    private final WorldServer server;
    private final List<OnlinePlayer> online = new ArrayList<OnlinePlayer>();
    private final Map<String, GameMode> lastModes = new HashMap<String, GameMode>();
    private int nextEntityId = 1;

    Players(WorldServer server) {
        this.server = server;
    }

    int count() {
        synchronized (server.lock) {
            return online.size();
        }
    }

    int nextEntityId() {
        synchronized (server.lock) {
            return nextEntityId++;
        }
    }

    /** The online player of that name, ignoring case, or null. */
    OnlinePlayer findExact(String name) {
        synchronized (server.lock) {
            for (OnlinePlayer p : online) {
                if (p.getName().equalsIgnoreCase(name)) {
                    return p;
                }
            }
            return null;
        }
    }

    List<OnlinePlayer> inJoinOrder() {
        synchronized (server.lock) {
            return new ArrayList<OnlinePlayer>(online);
        }
    }

    /** The mode a returning player gets: the one they left in, else the default. */
    GameMode modeFor(String name) {
        synchronized (server.lock) {
            GameMode mode = lastModes.get(name.toLowerCase());
            return mode == null ? server.defaultGameMode() : mode;
        }
    }

    void add(OnlinePlayer p) {
        synchronized (server.lock) {
            online.add(p);
        }
    }

    /** A player-list entry for the tab list. */
    static PacketOut listItem(String name, boolean isOnline) {
        return new PacketOut(0x38).writeString(name).writeBoolean(isOnline).writeShort(0);
    }

    /** Disconnects the player with the reason and removes them from the world. */
    void kick(OnlinePlayer p, String reason) {
        synchronized (server.lock) {
            p.connection().disconnect(reason);
            remove(p, reason);
        }
    }

    /** Disconnects the player with a reason the client translates, such as "disconnect.spam". */
    void kickTranslated(OnlinePlayer p, String key) {
        synchronized (server.lock) {
            p.connection().disconnectWith(Json.translate(key));
            remove(p, key);
        }
    }

    /** Takes the player out of the world: tab lists, the quit event and its message. */
    void remove(OnlinePlayer p, String reason) {
        synchronized (server.lock) {
            if (!online.remove(p)) {
                return;
            }
            p.markOffline();
            server.world().leave(p);
            lastModes.put(p.getName().toLowerCase(), p.getGameMode());
            server.logger().info(p.getName() + " lost connection: " + reason);
            for (OnlinePlayer other : online) {
                other.connection().send(listItem(p.getPlayerListName(), false));
            }
            if (server.isStopping()) {
                return;
            }
            PlayerQuitEvent event = new PlayerQuitEvent(p, "\u00a7e" + p.getName() + " left the game");
            server.plugins().callEvent(event);
            if (event.getQuitMessage() != null && event.getQuitMessage().length() > 0) {
                broadcast(event.getQuitMessage());
            }
        }
    }

    /** Logs the message and sends it to every online player; returns how many got it. */
    int broadcast(String message) {
        synchronized (server.lock) {
            server.logger().info(message);
            for (OnlinePlayer p : online) {
                p.sendMessage(message);
            }
            return online.size();
        }
    }

    /** Sets the mode and tells the client (Change Game State reason 3, then its abilities). */
    void setGameMode(OnlinePlayer p, GameMode mode) {
        synchronized (server.lock) {
            p.setModeField(mode);
            p.connection().send(new PacketOut(0x2B).writeByte(3).writeFloat(mode.getValue()));
            p.sendAbilities();
        }
    }
}
