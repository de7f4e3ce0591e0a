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
import org.bukkit.plugin.messaging.PluginMessageRecipient;
import org.bukkit.scheduler.BukkitScheduler;

/** The running game server as plugins see it. */
public interface Server extends PluginMessageRecipient {
    String BROADCAST_CHANNEL_ADMINISTRATIVE = "bukkit.broadcast.admin";
    String BROADCAST_CHANNEL_USERS = "bukkit.broadcast.user";

    String getName();

    String getVersion();

    String getBukkitVersion();

    Player[] getOnlinePlayers();

    int getMaxPlayers();

    int getPort();

    int getViewDistance();

    String getIp();

    String getServerName();

    String getServerId();

    String getWorldType();

    boolean getGenerateStructures();

    boolean getAllowEnd();

    boolean getAllowNether();

    boolean hasWhitelist();

    void setWhitelist(boolean value);

    Set<OfflinePlayer> getWhitelistedPlayers();

    void reloadWhitelist();

    String getUpdateFolder();

    int broadcastMessage(String message);

    int broadcast(String message, String permission);

    Player getPlayer(String name);

    Player getPlayerExact(String name);

    java.util.List<Player> matchPlayer(String name);

    PluginManager getPluginManager();

    BukkitScheduler getScheduler();

    PluginCommand getPluginCommand(String name);

    void savePlayers();

    boolean dispatchCommand(CommandSender sender, String commandLine) throws CommandException;

    void reload();

    Logger getLogger();

    OfflinePlayer getOfflinePlayer(String name);

    Set<String> getIPBans();

    void banIP(String address);

    void unbanIP(String address);

    Set<OfflinePlayer> getBannedPlayers();

    Set<OfflinePlayer> getOperators();

    GameMode getDefaultGameMode();

    void setDefaultGameMode(GameMode mode);

    ConsoleCommandSender getConsoleSender();

    boolean getOnlineMode();

    boolean getAllowFlight();

    boolean isHardcore();

    void shutdown();

    /** True on the server's main thread, where events fire and synchronous tasks run. */
    boolean isPrimaryThread();

    String getMotd();

    String getShutdownMessage();

    // --- worlds and players ---

    List<World> getWorlds();

    World getWorld(String name);

    World getWorld(UUID uid);

    Player getPlayer(UUID id);

    OfflinePlayer getOfflinePlayer(UUID id);

    // --- services, plugin channels, known players ---

    ServicesManager getServicesManager();

    Messenger getMessenger();

    /** Every player who has played here, online or not. */
    OfflinePlayer[] getOfflinePlayers();

    // --- recipes, inventories, bans, worlds and settings (blocks) ---

    boolean addRecipe(org.bukkit.inventory.Recipe recipe);

    List<org.bukkit.inventory.Recipe> getRecipesFor(org.bukkit.inventory.ItemStack result);

    java.util.Iterator<org.bukkit.inventory.Recipe> recipeIterator();

    void clearRecipes();

    void resetRecipes();

    org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner,
            org.bukkit.event.inventory.InventoryType type);

    org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner,
            org.bukkit.event.inventory.InventoryType type, String title);

    org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, int size)
            throws IllegalArgumentException;

    org.bukkit.inventory.Inventory createInventory(org.bukkit.inventory.InventoryHolder owner, int size, String title)
            throws IllegalArgumentException;

    org.bukkit.inventory.ItemFactory getItemFactory();

    BanList getBanList(BanList.Type type);

    java.io.File getWorldContainer();

    java.io.File getUpdateFolderFile();

    long getConnectionThrottle();

    int getTicksPerAnimalSpawns();

    int getTicksPerMonsterSpawns();

    boolean useExactLoginLocation();

    int getMonsterSpawnLimit();

    int getAnimalSpawnLimit();

    int getWaterAnimalSpawnLimit();

    int getAmbientSpawnLimit();

    Warning.WarningState getWarningState();

    int getSpawnRadius();

    void setSpawnRadius(int value);

    java.util.Map<String, String[]> getCommandAliases();

    World createWorld(WorldCreator creator);

    boolean unloadWorld(String name, boolean save);

    boolean unloadWorld(World world, boolean save);

    void setIdleTimeout(int threshold);

    int getIdleTimeout();

    @Deprecated
    UnsafeValues getUnsafe();

    org.bukkit.help.HelpMap getHelpMap();

    org.bukkit.util.CachedServerIcon getServerIcon();

    org.bukkit.util.CachedServerIcon loadServerIcon(java.io.File file) throws IllegalArgumentException, Exception;

    org.bukkit.util.CachedServerIcon loadServerIcon(java.awt.image.BufferedImage image)
            throws IllegalArgumentException, Exception;

    /** The scoreboards: the main one every player sees unless a plugin gives him another. */
    org.bukkit.scoreboard.ScoreboardManager getScoreboardManager();
}
