package net.cubeworks.world.game.play;

import java.net.InetAddress;
import java.util.ArrayList;
import java.util.List;
import java.util.UUID;
import java.util.concurrent.Callable;

import org.bukkit.GameMode;
import org.bukkit.event.player.PlayerJoinEvent;
import org.bukkit.event.server.ServerListPingEvent;

import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.GameWorld;
import net.cubeworks.world.game.event.LoginEvents;
import net.cubeworks.world.game.player.IdleKick;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.ConnectionHandler;
import net.cubeworks.world.protocol.LoginPackets;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PacketIn.ProtocolException;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.StatusResponse;
import net.cubeworks.world.protocol.Versions;
import net.cubeworks.world.settings.PlayerNames;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.timing.LockClock;

/**
 * The game's side of the network: status answers (from what any thread may read, so the
 * ping answers while the game is busy), admission of players into the world, and the
 * packets of players already in it, read on their readers and handed to the game thread.
 */
public final class PlayerConnections implements ConnectionHandler {

    private final Game game;
    private final PlayPacketTable table;
    private volatile String favicon;
    /** The data URI of an icon the server made, for a plugin's icon in the ping; null for another's. */
    private volatile java.util.function.Function<org.bukkit.util.CachedServerIcon, String> iconData;

    public PlayerConnections(Game game) {
        this.game = game;
        this.table = new PlayPacketTable(game.world().clientActions(), game);
    }

    /** server-icon.png as a data URI for the status answer, or null. */
    public void setFavicon(String dataUri) {
        favicon = dataUri;
    }

    /** How an icon a plugin sets in the ping event becomes the answer's data URI. */
    public void setIconData(java.util.function.Function<org.bukkit.util.CachedServerIcon, String> reader) {
        iconData = reader;
    }

    /** The answer's icon: the one a plugin set in the ping event, else server-icon.png. */
    private String favicon(ServerListPingEvent ping) {
        if (!ping.isServerIconSet()) {
            return favicon;
        }
        java.util.function.Function<org.bukkit.util.CachedServerIcon, String> reader = iconData;
        return ping.getServerIconSet() == null || reader == null ? null : reader.apply(ping.getServerIconSet());
    }

    public byte[] legacyPingResponse(InetAddress client) {
        ServerListPingEvent ping = ping(client, game.players().count());
        return StatusResponse.legacy(Versions.MINECRAFT_VERSION, ping.getMotd(), game.players().count(),
                ping.getMaxPlayers());
    }

    /** The plugins' say on the message of the day and the player limit a server-list ping shows. */
    private ServerListPingEvent ping(InetAddress client, int online) {
        ServerProperties props = game.properties();
        ServerListPingEvent event = new ServerListPingEvent(client, props.motd(), online, props.maxPlayers());
        try {
            game.host().callEvent(event);
        } catch (RuntimeException ex) {
            game.logger().log(java.util.logging.Level.WARNING, "Server list ping event failed", ex);
        }
        if (event.getMotd() == null) {
            event.setMotd("");
        }
        return event;
    }

    /** The status JSON for a client of the given protocol (4 or 5 is echoed, else 4). */
    public String statusJson(int protocol, InetAddress client) {
        List<OnlinePlayer> players = game.players().inJoinOrder();
        List<String[]> sample = new ArrayList<String[]>();
        for (OnlinePlayer p : players) {
            if (sample.size() >= 12) {
                break;
            }
            sample.add(new String[] {p.getName(), p.getUniqueId().toString()});
        }
        ServerListPingEvent ping = ping(client, players.size());
        int shown = protocol == Versions.NEWEST_PROTOCOL ? protocol : Versions.OLDEST_PROTOCOL;
        return StatusResponse.json(Versions.MINECRAFT_VERSION, shown, ping.getMaxPlayers(), players.size(), sample,
                ping.getMotd(), favicon(ping));
    }

    public String checkLogin(int protocol, String name) {
        if (protocol < Versions.OLDEST_PROTOCOL) {
            return "Outdated client! Please use " + Versions.MINECRAFT_VERSION;
        }
        if (protocol > Versions.NEWEST_PROTOCOL) {
            return "Outdated server! I'm still on " + Versions.MINECRAFT_VERSION;
        }
        String refusal = PlayerNames.refusal(name, ConsoleOutput.platformCharset());
        if (refusal != null) {
            return refusal;
        }
        if (game.isStopping()) {
            return Game.SHUTDOWN_MESSAGE;
        }
        return null;
    }

    public void loginFailed(Connection conn, String name, String why) {
        game.logger().info("Disconnecting " + name + " (" + conn.remoteAddress() + "): " + why);
    }

    /** The login is through: on the game thread, refuse with a reason or admit the player; the reader waits. */
    public void login(final Connection conn, final String name, final UUID uuid, final List<String[]> properties) {
        String refusal = LoginEvents.preLogin(game.host(), conn, name, uuid);
        if (refusal != null) {
            conn.disconnect(refusal);
            game.logger().info("Disconnecting " + name + " (" + conn.remoteAddress() + "): " + refusal);
            return;
        }
        game.thread().call(new Callable<Void>() {
            public Void call() {
                admit(conn, name, uuid, properties);
                return null;
            }
        });
    }

    private void admit(Connection conn, String name, UUID uuid, List<String[]> properties) {
        if (game.isStopping()) {
            conn.disconnect(Game.SHUTDOWN_MESSAGE);
            return;
        }
        Players players = game.players();
        ServerProperties props = game.properties();
        OnlinePlayer existing = players.findExact(name);
        GameMode mode = players.modeFor(name);
        OnlinePlayer p = new OnlinePlayer(game.playerGame(), conn, name, uuid, players.nextEntityId(), mode);
        p.properties = properties;
        p.markLoggingIn(true);
        String refusal = LoginEvents.login(game.host(), game.access(), p, conn, players.count(), props.maxPlayers(),
                existing != null);
        if (refusal != null) {
            conn.disconnect(refusal);
            game.logger().info("Disconnecting " + name + " (" + conn.remoteAddress() + "): " + refusal);
            return;
        }
        if (existing != null) {
            players.kick(existing, "You logged in from another location");
        }
        // the kept record first: a player whose record cannot be read is not let in, as it would
        // be played, and then saved, as a new player over the kept one
        try {
            game.world().placement().place(p);
        } catch (Unavailable ex) {
            refuseUnreadable(conn, name, ex.getMessage());
            return;
        } catch (RuntimeException ex) {
            game.logger().log(java.util.logging.Level.SEVERE, "Could not put " + name + " into the world", ex);
            refuseUnreadable(conn, name, ex.toString());
            return;
        }
        if (props.forceGamemode()) {
            p.setModeField(players.defaultGameMode());
        }
        conn.send(LoginPackets.loginSuccess(uuid, name, conn.protocol()));
        conn.attachPlayer(p);
        p.markLoggingIn(false);
        players.add(p);
        enterWorld(conn, p, props);
    }

    /**
     * The packets that put a newly admitted player into the world, then the join event. The
     * columns around the player go before its position: the client freezes a player whose
     * column it does not have.
     */
    private void enterWorld(Connection conn, OnlinePlayer p, ServerProperties props) {
        LockClock clock = new LockClock();
        clock.taken(); // the game thread holds the world lock
        GameWorld world = game.world();
        GameMode mode = p.getGameMode();
        int maxShown = Math.min(255, props.maxPlayers());
        conn.send(PlayPackets.joinGame(p.getEntityId(), mode.getValue() | (props.hardcore() ? 8 : 0), 0,
                game.difficulty(), maxShown, world.levelType()));
        LevelState level = world.level();
        conn.send(PlayPackets.spawnPosition(level.spawnX, level.spawnY, level.spawnZ));
        p.sendAbilities();
        conn.send(PlayPackets.heldItemChange(p.heldSlot));
        p.sendInventory();
        conn.send(world.healthPacket(p));
        conn.send(p.xp.packet());
        world.stream(p);
        conn.send(world.positionPacket(p));
        conn.send(world.timePacket());
        if (level.raining) {
            conn.send(net.cubeworks.world.game.world.Weather.packet(true));
        }
        game.logger().info(p.getName() + "[" + conn.remoteAddress() + "] logged in with entity id "
                + p.getEntityId() + " at ([" + props.levelName() + "] " + p.x + ", " + p.y + ", " + p.z + ")");
        for (OnlinePlayer other : game.players().inJoinOrder()) {
            conn.send(PlayPackets.playerListItem(other.getPlayerListName(), true, 0));
            if (other != p && !other.hidden.contains(p.getUniqueId())) { // one who hid him keeps him hidden
                other.connection().send(PlayPackets.playerListItem(p.getPlayerListName(), true, 0));
            }
        }
        world.visibility().update();
        for (PacketOut board : game.scoreboards().mainBoard()) {
            p.connection().send(board);
        }
        PluginChannels.announce(game, p);
        PlayerJoinEvent event = new PlayerJoinEvent(p, "\u00a7e" + p.getName() + " joined the game");
        game.host().callEvent(event);
        if (event.getJoinMessage() != null && event.getJoinMessage().length() > 0) {
            game.players().broadcast(event.getJoinMessage());
        }
        clock.released();
        clock.report(game.logger(), p.getName() + " joining");
    }

    private void refuseUnreadable(Connection conn, String name, String why) {
        conn.disconnect("Your saved player data cannot be read right now. Please tell the server's host.");
        game.logger().warning("Disconnecting " + name + " (" + conn.remoteAddress() + "): the saved player cannot be "
                + "read (" + why + "); nothing is written over it");
    }

    /**
     * A play packet: read here, on the reader, and handed to the game thread. The reader
     * waits while the game has too many of this player's packets still to handle.
     */
    public void play(Connection conn, int id, PacketIn in) throws ProtocolException {
        Object o = conn.player();
        PlayPacketTable.Handler h = table.handler(id);
        if (!(o instanceof OnlinePlayer) || h == null) {
            return;
        }
        final OnlinePlayer p = (OnlinePlayer) o;
        final Runnable action = h.read(p, in);
        if (action != null) {
            handOver(p, IdleKick.alwaysActive(id) || IdleKick.isMove(id) ? active(p, id, action) : action);
        }
    }

    /** The action, noting that the player did something (a move only when it moved or turned). */
    private static Runnable active(final OnlinePlayer p, final int id, final Runnable action) {
        return new Runnable() {
            public void run() {
                double x = p.x;
                double y = p.y;
                double z = p.z;
                float yaw = p.yaw;
                float pitch = p.pitch;
                action.run();
                if (!IdleKick.isMove(id) || x != p.x || y != p.y || z != p.z || yaw != p.yaw || pitch != p.pitch) {
                    p.lastActive = System.currentTimeMillis();
                }
            }
        };
    }

    private void handOver(final OnlinePlayer p, final Runnable action) {
        p.unhandled.acquireUninterruptibly();
        game.thread().submit(new Runnable() {
            public void run() {
                try {
                    if (p.isOnline()) {
                        action.run();
                    }
                } finally {
                    p.unhandled.release();
                }
            }
        });
    }

    public void connectionLost(final Connection conn, final String reason) {
        final Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            game.thread().submit(new Runnable() {
                public void run() {
                    game.players().remove((OnlinePlayer) p, reason);
                }
            });
        }
    }

    public void kickForTimeout(Connection conn) {
        final Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            game.thread().submit(new Runnable() {
                public void run() {
                    game.players().kick((OnlinePlayer) p, "Timed out");
                }
            });
        } else {
            conn.closeNow();
        }
    }

    public void chat(Connection conn, final String message) {
        Object o = conn.player();
        if (o instanceof OnlinePlayer) {
            final OnlinePlayer p = (OnlinePlayer) o;
            handOver(p, new Runnable() {
                public void run() {
                    game.chat().chat(p, message);
                }
            });
        }
    }
}
