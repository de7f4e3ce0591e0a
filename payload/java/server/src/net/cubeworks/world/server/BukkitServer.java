package net.cubeworks.world.server;

import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.OfflinePlayer;
import org.bukkit.World;
import org.bukkit.Server;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.entity.Player;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.ServicesManager;
import org.bukkit.plugin.messaging.Messenger;
import org.bukkit.plugin.messaging.StandardMessenger;
import org.bukkit.scheduler.BukkitScheduler;

import net.cubeworks.world.plugin.ServerVersion;
import net.cubeworks.world.game.OnlinePlayer;

/** The game server as plugins see it, through the plugin API's Server interface. */
public final class BukkitServer implements Server {
    private final WorldServer server;
    private final Messenger messenger = new StandardMessenger();

    BukkitServer(WorldServer server) {
        this.server = server;
    }

    public String getName() {
        return ServerVersion.SERVER_NAME;
    }

    public String getVersion() {
        return ServerVersion.SERVER_VERSION;
    }

    public String getBukkitVersion() {
        return ServerVersion.API_VERSION;
    }

    public Player[] getOnlinePlayers() {
        List<OnlinePlayer> players = server.players().inJoinOrder();
        return players.toArray(new Player[players.size()]);
    }

    public int getMaxPlayers() {
        return server.properties().maxPlayers();
    }

    public int getPort() {
        return server.properties().serverPort();
    }

    public int getViewDistance() {
        return server.properties().viewDistance();
    }

    public String getIp() {
        return server.properties().serverIp();
    }

    public String getServerName() {
        return server.properties().getString("server-name", "Unknown Server");
    }

    public String getServerId() {
        return server.properties().getString("server-id", "unnamed");
    }

    public String getWorldType() {
        return server.properties().levelType();
    }

    public boolean getGenerateStructures() {
        return server.properties().getBoolean("generate-structures", true);
    }

    public boolean getAllowEnd() {
        return true;
    }

    public boolean getAllowNether() {
        return server.properties().allowNether();
    }

    public boolean hasWhitelist() {
        return server.access().whitelistOn();
    }

    public void setWhitelist(boolean value) {
        server.access().setWhitelistOn(value, WorldServer.file("server.properties"));
    }

    public Set<OfflinePlayer> getWhitelistedPlayers() {
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String n : server.access().whitelistNames()) {
            out.add(getOfflinePlayer(n));
        }
        return out;
    }

    public void reloadWhitelist() {
        server.access().loadWhitelist();
    }

    public String getUpdateFolder() {
        return "update";
    }

    public int broadcastMessage(String message) {
        return server.players().broadcast(message);
    }

    public int broadcast(String message, String permission) {
        synchronized (server.game().lock()) {
            int count = 0;
            for (OnlinePlayer p : server.players().inJoinOrder()) {
                if (p.hasPermission(permission)) {
                    p.sendMessage(message);
                    count++;
                }
            }
            server.consoleSender().sendMessage(message);
            return count + 1;
        }
    }

    /** An online player whose name starts with the text (the closest match), or null. */
    public Player getPlayer(String name) {
        synchronized (server.game().lock()) {
            Player exact = server.players().findExact(name);
            if (exact != null) {
                return exact;
            }
            Player found = null;
            int delta = Integer.MAX_VALUE;
            String lower = name.toLowerCase();
            for (OnlinePlayer p : server.players().inJoinOrder()) {
                if (p.getName().toLowerCase().startsWith(lower)) {
                    int d = p.getName().length() - name.length();
                    if (d < delta) {
                        found = p;
                        delta = d;
                    }
                }
            }
            return found;
        }
    }

    public Player getPlayerExact(String name) {
        return server.players().findExact(name);
    }

    public List<Player> matchPlayer(String name) {
        List<Player> out = new ArrayList<Player>();
        for (OnlinePlayer p : server.players().inJoinOrder()) {
            if (p.getName().equalsIgnoreCase(name)) {
                out.clear();
                out.add(p);
                break;
            }
            if (p.getName().toLowerCase().contains(name.toLowerCase())) {
                out.add(p);
            }
        }
        return out;
    }

    public PluginManager getPluginManager() {
        return server.plugins();
    }

    public BukkitScheduler getScheduler() {
        return server.scheduler();
    }

    public PluginCommand getPluginCommand(String name) {
        return server.commands().pluginCommand(name);
    }

    public void savePlayers() {
    }

    public boolean dispatchCommand(CommandSender sender, String commandLine) throws CommandException {
        return server.commands().dispatch(sender, commandLine);
    }

    public void reload() {
        server.logger().info("Reloading is not supported; restart the server instead.");
    }

    public Logger getLogger() {
        return server.logger();
    }

    public OfflinePlayer getOfflinePlayer(String name) {
        Player p = getPlayerExact(name);
        return p != null ? p : new OfflinePlayerRef(server, name);
    }

    public Set<String> getIPBans() {
        return Collections.emptySet();
    }

    public void banIP(String address) {
    }

    public void unbanIP(String address) {
    }

    public Set<OfflinePlayer> getBannedPlayers() {
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String n : server.access().bannedNames()) {
            out.add(getOfflinePlayer(n));
        }
        return out;
    }

    public Set<OfflinePlayer> getOperators() {
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String n : server.access().opNames()) {
            out.add(getOfflinePlayer(n));
        }
        return out;
    }

    public GameMode getDefaultGameMode() {
        return server.players().defaultGameMode();
    }

    public void setDefaultGameMode(GameMode mode) {
        server.players().setDefaultGameMode(mode);
    }

    public ConsoleCommandSender getConsoleSender() {
        return server.consoleSender();
    }

    public boolean getOnlineMode() {
        return server.properties().onlineMode();
    }

    public boolean getAllowFlight() {
        return server.properties().allowFlight();
    }

    public boolean isHardcore() {
        return server.properties().hardcore();
    }

    public void shutdown() {
        server.shutdown();
    }

    public boolean isPrimaryThread() {
        return server.game().thread().isCurrent();
    }

    public String getMotd() {
        return server.properties().motd();
    }

    public String getShutdownMessage() {
        return net.cubeworks.world.game.Game.SHUTDOWN_MESSAGE;
    }

    // --- worlds and players ---

    /** The one world the server runs. */
    public List<World> getWorlds() {
        List<World> out = new ArrayList<World>();
        out.add(server.game().world().api());
        return out;
    }

    public World getWorld(String name) {
        World w = server.game().world().api();
        return name != null && w.getName().equalsIgnoreCase(name) ? w : null;
    }

    public World getWorld(UUID uid) {
        World w = server.game().world().api();
        return w.getUID().equals(uid) ? w : null;
    }

    public Player getPlayer(UUID id) {
        for (OnlinePlayer p : server.players().inJoinOrder()) {
            if (p.getUniqueId().equals(id)) {
                return p;
            }
        }
        return null;
    }

    /** The online player with the UUID, else the player whose offline-mode UUID it is among those the world keeps. */
    public OfflinePlayer getOfflinePlayer(UUID id) {
        Player online = getPlayer(id);
        if (online != null) {
            return online;
        }
        for (OfflinePlayer p : getOfflinePlayers()) {
            if (p.getUniqueId().equals(id)) {
                return p;
            }
        }
        return new OfflinePlayerRef(server, id);
    }


    public ServicesManager getServicesManager() {
        return server.plugins().services();
    }

    public Messenger getMessenger() {
        return messenger;
    }

    /** The players whose saved data is in the world's players folder, and those online now. */
    public OfflinePlayer[] getOfflinePlayers() {
        Set<String> names = new java.util.TreeSet<String>(String.CASE_INSENSITIVE_ORDER);
        java.io.File[] files = WorldServer.file(server.properties().levelName()).toPath().resolve("players").toFile()
                .listFiles();
        if (files != null) {
            for (java.io.File f : files) {
                String n = f.getName();
                if (f.isFile() && n.endsWith(".dat") && n.length() > 4) {
                    names.add(n.substring(0, n.length() - 4));
                }
            }
        }
        for (Player p : getOnlinePlayers()) {
            names.add(p.getName());
        }
        List<OfflinePlayer> out = new ArrayList<OfflinePlayer>();
        for (String n : names) {
            out.add(getOfflinePlayer(n));
        }
        return out.toArray(new OfflinePlayer[out.size()]);
    }

    /** Sends the message to every online player whose client listens on the channel. */
    public void sendPluginMessage(Plugin source, String channel, byte[] message) {
        StandardMessenger.validatePluginMessage(messenger, source, channel, message);
        for (Player p : getOnlinePlayers()) {
            p.sendPluginMessage(source, channel, message);
        }
    }

    /** The channels some online player's client listens on. */
    public Set<String> getListeningPluginChannels() {
        Set<String> out = new LinkedHashSet<String>();
        for (Player p : getOnlinePlayers()) {
            out.addAll(p.getListeningPluginChannels());
        }
        return out;
    }

    /**
     * The command map, which command frameworks reach by reflection (it is no member of the
     * Server interface): commands registered there run from players and the console.
     */
    public SimpleCommandMap getCommandMap() {
        return server.plugins().commandMap();
    }
}
