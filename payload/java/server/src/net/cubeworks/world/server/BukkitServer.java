package net.cubeworks.world.server;

import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.OfflinePlayer;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.entity.Player;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.ServicesManager;
import org.bukkit.plugin.messaging.Messenger;
import org.bukkit.plugin.messaging.StandardMessenger;
import org.bukkit.scheduler.BukkitScheduler;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.plugin.ServerVersion;

/** The game server as plugins see it, through the plugin API's Server interface. */
public class BukkitServer implements Server {
    private final WorldServer server;
    private final Messenger messenger = new StandardMessenger();
    private final ServerRecipes recipes = new ServerRecipes(net.cubeworks.world.crafting.RecipeBook.standard());
    private volatile int spawnRadius = -1;
    private volatile ServerUnsafe unsafe;

    protected BukkitServer(WorldServer server) {
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

    /** Disables the plugins, loads them again from the plugins folder and enables them. */
    public void reload() {
        server.reload();
    }

    public Logger getLogger() {
        return server.logger();
    }

    public OfflinePlayer getOfflinePlayer(String name) {
        Player p = getPlayerExact(name);
        return p != null ? p : new OfflinePlayerRef(server, name);
    }

    public Set<String> getIPBans() {
        return new LinkedHashSet<String>(server.access().bannedAddresses());
    }

    /** Bans the address: banned-ips.txt, which logins are checked against. */
    public void banIP(String address) {
        ServerBans.addresses(server.access()).addBan(address, null, null, null);
    }

    public void unbanIP(String address) {
        server.access().removeIpBan(address);
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
        return server.services();
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
        return server.plugins() == null ? null : server.plugins().getCommandMap();
    }

    // --- recipes, inventories, bans, worlds and settings ---

    /** A shaped or shapeless recipe goes into the book the crafting grids use; a furnace recipe is kept (see ServerRecipes). */
    public boolean addRecipe(org.bukkit.inventory.Recipe recipe) {
        return recipes.add(recipe);
    }

    public List<org.bukkit.inventory.Recipe> getRecipesFor(org.bukkit.inventory.ItemStack result) {
        return recipes.recipesFor(result);
    }

    public java.util.Iterator<org.bukkit.inventory.Recipe> recipeIterator() {
        return recipes.iterator();
    }

    public void clearRecipes() {
        recipes.clear();
    }

    public void resetRecipes() {
        recipes.reset();
    }

    public org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner,
            org.bukkit.event.inventory.InventoryType type) {
        return createInventory(owner, type, type.getDefaultTitle());
    }

    public org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner,
            org.bukkit.event.inventory.InventoryType type, String title) {
        return net.cubeworks.world.game.api.ApiInventories.create(server.game().lock(), server.game().thread(),
                server.game().players(), owner, type, type.getDefaultSize(), title);
    }

    public org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, int size) {
        return createInventory(owner, size, org.bukkit.event.inventory.InventoryType.CHEST.getDefaultTitle());
    }

    public org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, int size,
            String title) {
        return net.cubeworks.world.game.api.ApiInventories.create(server.game().lock(), server.game().thread(),
                server.game().players(), owner,
                org.bukkit.event.inventory.InventoryType.CHEST, size, title);
    }

    public org.bukkit.inventory.ItemFactory getItemFactory() {
        return org.bukkit.inventory.ItemStackTags.factory();
    }

    public org.bukkit.BanList getBanList(org.bukkit.BanList.Type type) {
        return type == org.bukkit.BanList.Type.IP ? ServerBans.addresses(server.access())
                : ServerBans.names(server.access());
    }

    /** The folder the world's folder lies in: the server's own. */
    public java.io.File getWorldContainer() {
        return WorldServer.file(server.properties().levelName()).getAbsoluteFile().getParentFile();
    }

    public java.io.File getUpdateFolderFile() {
        return new java.io.File(WorldServer.file("plugins"), getUpdateFolder());
    }

    /** Logins are not throttled here. */
    public long getConnectionThrottle() {
        return 0;
    }

    public int getTicksPerAnimalSpawns() {
        return (int) server.game().world().api().getTicksPerAnimalSpawns();
    }

    public int getTicksPerMonsterSpawns() {
        return (int) server.game().world().api().getTicksPerMonsterSpawns();
    }

    /** Players come back where they left, not moved to the nearest safe spot. */
    public boolean useExactLoginLocation() {
        return true;
    }

    public int getMonsterSpawnLimit() {
        return server.game().world().api().getMonsterSpawnLimit();
    }

    public int getAnimalSpawnLimit() {
        return server.game().world().api().getAnimalSpawnLimit();
    }

    public int getWaterAnimalSpawnLimit() {
        return server.game().world().api().getWaterAnimalSpawnLimit();
    }

    public int getAmbientSpawnLimit() {
        return server.game().world().api().getAmbientSpawnLimit();
    }

    public org.bukkit.Warning.WarningState getWarningState() {
        return org.bukkit.Warning.WarningState.DEFAULT;
    }

    /** The spawn protection radius of server.properties, unless a plugin set another for this run. */
    public int getSpawnRadius() {
        return spawnRadius >= 0 ? spawnRadius : server.properties().spawnProtection();
    }

    public void setSpawnRadius(int value) {
        spawnRadius = value;
    }

    /** The server has no command aliases file: none. */
    public java.util.Map<String, String[]> getCommandAliases() {
        return new java.util.LinkedHashMap<String, String[]>();
    }

    /** The server runs one world: its own, when the creator names it; no other world is made (null). */
    public World createWorld(org.bukkit.WorldCreator creator) {
        World w = getWorld(creator.name());
        if (w == null) {
            server.logger().warning("A plugin asked for the world " + creator.name()
                    + ", but this server runs one world only (" + server.properties().levelName() + ")");
        }
        return w;
    }

    /** The one world cannot be unloaded while the server runs. */
    public boolean unloadWorld(String name, boolean save) {
        return false;
    }

    public boolean unloadWorld(World world, boolean save) {
        return false;
    }

    /** Minutes after which a player who does nothing is kicked; 0: never. */
    public void setIdleTimeout(int threshold) {
        server.game().setIdleTimeout(threshold);
    }

    public int getIdleTimeout() {
        return server.game().idleTimeout();
    }

    public org.bukkit.UnsafeValues getUnsafe() {
        ServerUnsafe u = unsafe;
        if (u == null) {
            u = new ServerUnsafe(server.logger());
            unsafe = u;
        }
        return u;
    }

    // --- help and the server icon ---

    private volatile ServerHelpMap helpMap;

    public org.bukkit.help.HelpMap getHelpMap() {
        ServerHelpMap h = helpMap;
        if (h == null) {
            h = new ServerHelpMap(getCommandMap());
            helpMap = h;
        }
        return h;
    }

    /** The icon of server-icon.png, when it is a 64x64 image; else null. */
    public org.bukkit.util.CachedServerIcon getServerIcon() {
        java.io.File f = WorldServer.file("server-icon.png");
        if (!f.isFile()) {
            return null;
        }
        try {
            return ServerIcon.of(f);
        } catch (Exception ex) {
            return null;
        }
    }

    public org.bukkit.util.CachedServerIcon loadServerIcon(java.io.File file) throws Exception {
        return ServerIcon.of(file);
    }

    public org.bukkit.util.CachedServerIcon loadServerIcon(java.awt.image.BufferedImage image) throws Exception {
        return ServerIcon.of(image);
    }

    public org.bukkit.scoreboard.ScoreboardManager getScoreboardManager() {
        return server.game().scoreboards();
    }
}
