package net.cubeworks.world;

import java.util.ArrayList;
import java.util.List;
import java.util.UUID;

import org.bukkit.GameMode;
import org.bukkit.event.player.PlayerJoinEvent;

import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.ConnectionHandler;
import net.cubeworks.world.net.PacketIn;
import net.cubeworks.world.net.PacketIn.ProtocolException;
import net.cubeworks.world.net.PacketOut;
import net.cubeworks.world.net.StatusResponse;

/**
 * The game's side of the network: status answers, admission of players into the world,
 * and the packets of players already in it.
 */
final class LoginHandler implements ConnectionHandler {

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
    public void login(Connection conn, String name, UUID uuid, List<String[]> properties) {
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
            p.properties = properties;
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

    /**
     * The packets that put a newly admitted player into the world, then the join event. The
     * columns around the player go before its position: the client freezes a player whose
     * column it does not have.
     */
    private void enterWorld(Connection conn, OnlinePlayer p, ServerProperties props) {
        GameWorld.LockClock clock = new GameWorld.LockClock();
        clock.taken(); // the caller holds the world lock
        GameWorld world = server.world();
        world.place(p);
        GameMode mode = p.getGameMode();
        int maxShown = Math.min(255, props.maxPlayers());
        // the bundled server has the flat generator only, whatever level-type says
        conn.send(new PacketOut(0x01).writeInt(p.getEntityId()).writeByte(mode.getValue() | (props.hardcore() ? 8 : 0))
                .writeByte(0).writeByte(props.difficulty()).writeByte(maxShown).writeString("flat"));
        WorldStore.LevelData level = world.level();
        conn.send(new PacketOut(0x05).writeInt(level.spawnX).writeInt(level.spawnY).writeInt(level.spawnZ));
        p.sendAbilities();
        conn.send(new PacketOut(0x09).writeByte(p.heldSlot));
        conn.send(p.inventory().windowItems());
        conn.send(world.healthPacket(p));
        world.stream(p);
        conn.send(world.positionPacket(p));
        conn.send(world.timePacket());
        server.logger().info(p.getName() + "[" + conn.remoteAddress() + "] logged in with entity id " + p.getEntityId()
                + " at ([" + props.levelName() + "] " + p.x + ", " + p.y + ", " + p.z + ")");
        for (OnlinePlayer other : server.players().inJoinOrder()) {
            conn.send(Players.listItem(other.getPlayerListName(), true));
            if (other != p) {
                other.connection().send(Players.listItem(p.getPlayerListName(), true));
            }
        }
        world.updateVisibility();
        PlayerJoinEvent event = new PlayerJoinEvent(p, "\u00a7e" + p.getName() + " joined the game");
        server.plugins().callEvent(event);
        if (event.getJoinMessage() != null && event.getJoinMessage().length() > 0) {
            server.players().broadcast(event.getJoinMessage());
        }
        clock.released();
        clock.report(server, p.getName() + " joining");
    }

    /** Skips the slot data of a packet: id, then count, damage and NBT bytes unless the id is -1. */
    private static int[] readSlot(PacketIn in) throws ProtocolException {
        int id = in.readShort();
        if (id < 0) {
            return new int[] {-1, 0, 0};
        }
        int count = in.readByte();
        int damage = in.readShort();
        int nbt = in.readShort();
        if (nbt > 0) {
            in.skip(nbt);
        }
        return new int[] {id, count, damage};
    }

    public void play(Connection conn, int id, PacketIn in) throws ProtocolException {
        Object o = conn.player();
        if (!(o instanceof OnlinePlayer)) {
            return;
        }
        OnlinePlayer p = (OnlinePlayer) o;
        GameWorld world = server.world();
        switch (id) {
            case 0x03: {
                boolean ground = in.readBoolean();
                synchronized (server.lock) {
                    world.move(p, false, 0, 0, 0, 0, false, 0f, 0f, ground);
                }
                break;
            }
            case 0x04: {
                double x = in.readDouble();
                double feet = in.readDouble();
                double head = in.readDouble();
                double z = in.readDouble();
                boolean ground = in.readBoolean();
                synchronized (server.lock) {
                    world.move(p, true, x, feet, head, z, false, 0f, 0f, ground);
                }
                break;
            }
            case 0x05: {
                float yaw = in.readFloat();
                float pitch = in.readFloat();
                boolean ground = in.readBoolean();
                synchronized (server.lock) {
                    world.move(p, false, 0, 0, 0, 0, true, yaw, pitch, ground);
                }
                break;
            }
            case 0x06: {
                double x = in.readDouble();
                double feet = in.readDouble();
                double head = in.readDouble();
                double z = in.readDouble();
                float yaw = in.readFloat();
                float pitch = in.readFloat();
                boolean ground = in.readBoolean();
                synchronized (server.lock) {
                    world.move(p, true, x, feet, head, z, true, yaw, pitch, ground);
                }
                break;
            }
            case 0x07: {
                int status = in.readByte();
                int x = in.readInt();
                int y = in.readUnsignedByte();
                int z = in.readInt();
                in.readByte();
                synchronized (server.lock) {
                    world.dig(p, status, x, y, z);
                }
                break;
            }
            case 0x08: {
                int x = in.readInt();
                int y = in.readUnsignedByte();
                int z = in.readInt();
                int face = in.readByte();
                readSlot(in);
                in.skip(3);
                synchronized (server.lock) {
                    world.place(p, x, y, z, face);
                }
                break;
            }
            case 0x09: {
                int slot = in.readShort();
                synchronized (server.lock) {
                    world.holdSlot(p, slot);
                }
                break;
            }
            case 0x0A: {
                in.readInt();
                int animation = in.readByte();
                if (animation == 1) {
                    synchronized (server.lock) {
                        world.toViewers(p, new PacketOut(0x0B).writeVarInt(p.getEntityId()).writeByte(0));
                    }
                }
                break;
            }
            case 0x0E: {
                int window = in.readByte();
                in.readShort();
                in.readByte();
                int action = in.readShort();
                in.readByte();
                readSlot(in);
                synchronized (server.lock) {
                    world.refuseClick(p, window, action);
                }
                break;
            }
            case 0x10: {
                int slot = in.readShort();
                int[] item = readSlot(in);
                synchronized (server.lock) {
                    world.creativeSet(p, slot, item[0], item[1], item[2]);
                }
                break;
            }
            case 0x16: {
                if (in.readByte() == 0) {
                    synchronized (server.lock) {
                        world.respawn(p);
                    }
                }
                break;
            }
            default:
                // settings, abilities, plugin channels and the like change nothing here
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
