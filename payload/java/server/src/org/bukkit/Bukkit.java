package org.bukkit;

import java.util.List;
import java.util.Set;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.entity.Player;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.ServicesManager;
import org.bukkit.plugin.messaging.Messenger;
import org.bukkit.scheduler.BukkitScheduler;

/** Static access to the one running server. */
public final class Bukkit {
    private static Server server;

    private Bukkit() {
    }

    public static Server getServer() {
        return server;
    }

    /** Sets the server once; a second call fails, as only one server runs per process. */
    public static void setServer(Server server) {
        if (Bukkit.server != null) {
            throw new UnsupportedOperationException("Cannot redefine singleton Server");
        }
        Bukkit.server = server;
        server.getLogger().info("This server is running " + server.getName() + " version "
                + server.getVersion() + " (Implementing API version " + server.getBukkitVersion() + ")");
    }

    public static String getName() {
        return server.getName();
    }

    public static String getVersion() {
        return server.getVersion();
    }

    public static String getBukkitVersion() {
        return server.getBukkitVersion();
    }

    public static Player[] getOnlinePlayers() {
        return server.getOnlinePlayers();
    }

    public static int getMaxPlayers() {
        return server.getMaxPlayers();
    }

    public static int getPort() {
        return server.getPort();
    }

    public static String getIp() {
        return server.getIp();
    }

    public static String getServerName() {
        return server.getServerName();
    }

    public static boolean isPrimaryThread() {
        return server.isPrimaryThread();
    }

    public static String getMotd() {
        return server.getMotd();
    }

    public static int broadcastMessage(String message) {
        return server.broadcastMessage(message);
    }

    public static int broadcast(String message, String permission) {
        return server.broadcast(message, permission);
    }

    public static Player getPlayer(String name) {
        return server.getPlayer(name);
    }

    public static Player getPlayerExact(String name) {
        return server.getPlayerExact(name);
    }

    public static PluginManager getPluginManager() {
        return server.getPluginManager();
    }

    public static BukkitScheduler getScheduler() {
        return server.getScheduler();
    }

    public static PluginCommand getPluginCommand(String name) {
        return server.getPluginCommand(name);
    }

    public static boolean dispatchCommand(CommandSender sender, String commandLine) throws CommandException {
        return server.dispatchCommand(sender, commandLine);
    }

    public static Logger getLogger() {
        return server.getLogger();
    }

    public static OfflinePlayer getOfflinePlayer(String name) {
        return server.getOfflinePlayer(name);
    }

    public static Set<OfflinePlayer> getBannedPlayers() {
        return server.getBannedPlayers();
    }

    public static boolean hasWhitelist() {
        return server.hasWhitelist();
    }

    public static void setWhitelist(boolean value) {
        server.setWhitelist(value);
    }

    public static Set<OfflinePlayer> getWhitelistedPlayers() {
        return server.getWhitelistedPlayers();
    }

    public static void reloadWhitelist() {
        server.reloadWhitelist();
    }

    public static Set<OfflinePlayer> getOperators() {
        return server.getOperators();
    }

    public static GameMode getDefaultGameMode() {
        return server.getDefaultGameMode();
    }

    public static void setDefaultGameMode(GameMode mode) {
        server.setDefaultGameMode(mode);
    }

    public static ConsoleCommandSender getConsoleSender() {
        return server.getConsoleSender();
    }

    public static boolean getOnlineMode() {
        return server.getOnlineMode();
    }

    public static void shutdown() {
        server.shutdown();
    }

    public static void savePlayers() {
        server.savePlayers();
    }

    public static void reload() {
        server.reload();
    }

    // --- worlds and players ---

    public static List<World> getWorlds() {
        return server.getWorlds();
    }

    public static World getWorld(String name) {
        return server.getWorld(name);
    }

    public static World getWorld(UUID uid) {
        return server.getWorld(uid);
    }

    public static Player getPlayer(UUID id) {
        return server.getPlayer(id);
    }

    public static OfflinePlayer getOfflinePlayer(UUID id) {
        return server.getOfflinePlayer(id);
    }

    // --- services, plugin channels, known players ---

    public static ServicesManager getServicesManager() {
        return server.getServicesManager();
    }

    public static org.bukkit.scoreboard.ScoreboardManager getScoreboardManager() {
        return server.getScoreboardManager();
    }

    public static Messenger getMessenger() {
        return server.getMessenger();
    }

    public static OfflinePlayer[] getOfflinePlayers() {
        return server.getOfflinePlayers();
    }

    // --- recipes, inventories, bans, worlds and settings (blocks) ---

    public static boolean addRecipe(org.bukkit.inventory.Recipe recipe) {
        return server.addRecipe(recipe);
    }

    public static List<org.bukkit.inventory.Recipe> getRecipesFor(org.bukkit.inventory.ItemStack result) {
        return server.getRecipesFor(result);
    }

    public static java.util.Iterator<org.bukkit.inventory.Recipe> recipeIterator() {
        return server.recipeIterator();
    }

    public static void clearRecipes() {
        server.clearRecipes();
    }

    public static void resetRecipes() {
        server.resetRecipes();
    }

    public static org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, org.bukkit.event.inventory.InventoryType type) {
        return server.createInventory(owner, type);
    }

    public static org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, org.bukkit.event.inventory.InventoryType type, String title) {
        return server.createInventory(owner, type, title);
    }

    public static org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, int size) {
        return server.createInventory(owner, size);
    }

    public static org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, int size, String title) {
        return server.createInventory(owner, size, title);
    }

    public static org.bukkit.inventory.ItemFactory getItemFactory() {
        return server.getItemFactory();
    }

    public static BanList getBanList(BanList.Type type) {
        return server.getBanList(type);
    }

    public static java.io.File getWorldContainer() {
        return server.getWorldContainer();
    }

    public static java.io.File getUpdateFolderFile() {
        return server.getUpdateFolderFile();
    }

    public static long getConnectionThrottle() {
        return server.getConnectionThrottle();
    }

    public static int getTicksPerAnimalSpawns() {
        return server.getTicksPerAnimalSpawns();
    }

    public static int getTicksPerMonsterSpawns() {
        return server.getTicksPerMonsterSpawns();
    }

    public static boolean useExactLoginLocation() {
        return server.useExactLoginLocation();
    }

    public static int getMonsterSpawnLimit() {
        return server.getMonsterSpawnLimit();
    }

    public static int getAnimalSpawnLimit() {
        return server.getAnimalSpawnLimit();
    }

    public static int getWaterAnimalSpawnLimit() {
        return server.getWaterAnimalSpawnLimit();
    }

    public static int getAmbientSpawnLimit() {
        return server.getAmbientSpawnLimit();
    }

    public static Warning.WarningState getWarningState() {
        return server.getWarningState();
    }

    public static int getSpawnRadius() {
        return server.getSpawnRadius();
    }

    public static void setSpawnRadius(int value) {
        server.setSpawnRadius(value);
    }

    public static java.util.Map<String, String[]> getCommandAliases() {
        return server.getCommandAliases();
    }

    public static World createWorld(WorldCreator creator) {
        return server.createWorld(creator);
    }

    public static boolean unloadWorld(String name, boolean save) {
        return server.unloadWorld(name, save);
    }

    public static boolean unloadWorld(World world, boolean save) {
        return server.unloadWorld(world, save);
    }

    public static void setIdleTimeout(int threshold) {
        server.setIdleTimeout(threshold);
    }

    public static int getIdleTimeout() {
        return server.getIdleTimeout();
    }

    public static int getViewDistance() {
        return server.getViewDistance();
    }

    public static String getServerId() {
        return server.getServerId();
    }

    public static String getWorldType() {
        return server.getWorldType();
    }

    public static boolean getGenerateStructures() {
        return server.getGenerateStructures();
    }

    public static boolean getAllowNether() {
        return server.getAllowNether();
    }

    public static boolean getAllowEnd() {
        return server.getAllowEnd();
    }

    public static String getUpdateFolder() {
        return server.getUpdateFolder();
    }

    public static List<Player> matchPlayer(String name) {
        return server.matchPlayer(name);
    }

    public static boolean getAllowFlight() {
        return server.getAllowFlight();
    }

    public static boolean isHardcore() {
        return server.isHardcore();
    }

    public static Set<String> getIPBans() {
        return server.getIPBans();
    }

    public static void banIP(String address) {
        server.banIP(address);
    }

    public static void unbanIP(String address) {
        server.unbanIP(address);
    }

    public static String getShutdownMessage() {
        return server.getShutdownMessage();
    }

    @Deprecated
    public static UnsafeValues getUnsafe() {
        return server.getUnsafe();
    }

    public static org.bukkit.help.HelpMap getHelpMap() {
        return server.getHelpMap();
    }

    public static org.bukkit.util.CachedServerIcon getServerIcon() {
        return server.getServerIcon();
    }

    public static org.bukkit.util.CachedServerIcon loadServerIcon(java.io.File file) throws Exception {
        return server.loadServerIcon(file);
    }

    public static org.bukkit.util.CachedServerIcon loadServerIcon(java.awt.image.BufferedImage image) throws Exception {
        return server.loadServerIcon(image);
    }
}
