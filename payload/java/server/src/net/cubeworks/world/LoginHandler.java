package net.cubeworks.world;

import java.util.ArrayList;
import java.util.List;
import java.util.UUID;

import org.bukkit.GameMode;
import org.bukkit.event.player.PlayerJoinEvent;

import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.ConnectionHandler;
import net.cubeworks.world.net.PacketOut;
import net.cubeworks.world.net.StatusResponse;

/**
 * The game's side of the network: status answers, admission of players into the world,
 * and the packets of players already in it.
 */
final class LoginHandler implements ConnectionHandler {
    static final double SPAWN_X = 0.5;
    static final double SPAWN_Y = 64.0;
    static final double SPAWN_Z = 0.5;

    private final WorldServer server;

    LoginHandler(WorldServer server) {
        this.server = server;
    }

    public byte[] legacyPingResponse() {
        synchronized (server.lock) {
            ServerProperties props = server.properties();
            return StatusResponse.legacy(WorldServer.MINECRAFT_VERSION, props.motd(), server.players().count(),
                    props.maxPlayers());
        }
    }

    /** The status JSON for a client of the given protocol (4 or 5 is echoed, else 4). */
    public String statusJson(int protocol) {
        synchronized (server.lock) {
            List<OnlinePlayer> players = server.players().inJoinOrder();
            List<String[]> sample = new ArrayList<String[]>();
            for (OnlinePlayer p : players) {
                if (sample.size() >= 12) {
                    break;
                }
                sample.add(new String[] {p.getName(), p.getUniqueId().toString()});
            }
            ServerProperties props = server.properties();
            return StatusResponse.json(WorldServer.MINECRAFT_VERSION, protocol == 5 ? 5 : 4, props.maxPlayers(),
                    players.size(), sample, props.motd(), server.favicon());
        }
    }

    /** A name the host can see, type and keep a file for on this server's console (see PlayerNames). */
    static boolean validName(String name) {
        return PlayerNames.refusal(name, ConsoleOutput.platformCharset()) == null;
    }

    public String checkLogin(int protocol, String name) {
        if (protocol < 4) {
            return "Outdated client! Please use " + WorldServer.MINECRAFT_VERSION;
        }
        if (protocol > 5) {
            return "Outdated server! I'm still on " + WorldServer.MINECRAFT_VERSION;
        }
        String refusal = PlayerNames.refusal(name, ConsoleOutput.platformCharset());
        if (refusal != null) {
            return refusal;
        }
        if (server.isStopping()) {
            return WorldServer.SHUTDOWN_MESSAGE;
        }
        return null;
    }

    public void loginFailed(Connection conn, String name, String why) {
        server.logger().info("Disconnecting " + name + " (" + conn.remoteAddress() + "): " + why);
    }

    /** The login is through: refuse with a reason, or admit the player into the world. */
    public void login(Connection conn, String name, UUID uuid) {
        synchronized (server.lock) {
            if (server.isStopping()) {
                conn.disconnect(WorldServer.SHUTDOWN_MESSAGE);
                return;
            }
            BanList.Entry ban = server.access().ban(name);
            if (ban != null) {
                String reason = "You are banned from this server!\nReason: " + ban.reason;
                if (ban.expires != null) {
                    reason += "\nYour ban will be removed on " + ban.expires;
                }
                conn.disconnect(reason);
                server.logger().info("Disconnecting " + name + " (" + conn.remoteAddress() + "): " + reason);
                return;
            }
            Players players = server.players();
            OnlinePlayer existing = players.findExact(name);
            if (existing != null) {
                players.kick(existing, "You logged in from another location");
            }
            ServerProperties props = server.properties();
            if (players.count() >= props.maxPlayers()) {
                conn.disconnect("The server is full!");
                server.logger().info("Disconnecting " + name + " (" + conn.remoteAddress() + "): The server is full!");
                return;
            }
            GameMode mode = players.modeFor(name);
            OnlinePlayer p = new OnlinePlayer(server, conn, name, uuid, players.nextEntityId(), mode);
            conn.send(new PacketOut(0x02).writeString(uuidText(uuid, conn.protocol())).writeString(name));
            conn.attachPlayer(p);
            players.add(p);
            enterWorld(conn, p, props);
        }
    }

    /**
     * The UUID as Login Success carries it: 32 hex digits for protocol 4 (1.7.2), the usual
     * hyphenated form for protocol 5.
     */
    static String uuidText(UUID uuid, int protocol) {
        String s = uuid.toString();
        return protocol <= 4 ? s.replace("-", "") : s;
    }

    /** The packets that put a newly admitted player into the world, then the join event. */
    private void enterWorld(Connection conn, OnlinePlayer p, ServerProperties props) {
        GameMode mode = p.getGameMode();
        int maxShown = Math.min(255, props.maxPlayers());
        conn.send(new PacketOut(0x01).writeInt(p.getEntityId()).writeByte(mode.getValue() | (props.hardcore() ? 8 : 0))
                .writeByte(0).writeByte(props.difficulty()).writeByte(maxShown)
                .writeString(props.levelType().toLowerCase()));
        conn.send(new PacketOut(0x05).writeInt((int) SPAWN_X).writeInt((int) SPAWN_Y).writeInt((int) SPAWN_Z));
        p.sendAbilities();
        conn.send(new PacketOut(0x03).writeLong(0).writeLong(6000));
        conn.send(new PacketOut(0x08).writeDouble(SPAWN_X).writeDouble(SPAWN_Y + 1.62).writeDouble(SPAWN_Z)
                .writeFloat(0f).writeFloat(0f).writeBoolean(false));
        server.logger().info(p.getName() + "[" + conn.remoteAddress() + "] logged in with entity id " + p.getEntityId()
                + " at ([" + props.levelName() + "] " + SPAWN_X + ", " + SPAWN_Y + ", " + SPAWN_Z + ")");
        for (OnlinePlayer other : server.players().inJoinOrder()) {
            conn.send(Players.listItem(other.getPlayerListName(), true));
            if (other != p) {
                other.connection().send(Players.listItem(p.getPlayerListName(), true));
            }
        }
        PlayerJoinEvent event = new PlayerJoinEvent(p, "\u00a7e" + p.getName() + " joined the game");
        server.plugins().callEvent(event);
        if (event.getJoinMessage() != null && event.getJoinMessage().length() > 0) {
            server.players().broadcast(event.getJoinMessage());
        }
    }

    public void connectionLost(Connection conn, String reason) {
        Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            server.players().remove((OnlinePlayer) p, reason);
        }
    }

    public void kickForTimeout(Connection conn) {
        Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            server.players().kick((OnlinePlayer) p, "Timed out");
        } else {
            conn.closeNow();
        }
    }

    public void chat(Connection conn, String message) {
        Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            server.chat().chat((OnlinePlayer) p, message);
        }
    }
}
