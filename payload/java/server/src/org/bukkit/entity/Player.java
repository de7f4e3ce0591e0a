package org.bukkit.entity;

import java.net.InetSocketAddress;

import org.bukkit.Achievement;
import org.bukkit.Effect;
import org.bukkit.Instrument;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.Note;
import org.bukkit.OfflinePlayer;
import org.bukkit.Sound;
import org.bukkit.Statistic;
import org.bukkit.WeatherType;
import org.bukkit.command.CommandSender;
import org.bukkit.conversations.Conversable;
import org.bukkit.map.MapView;
import org.bukkit.plugin.messaging.PluginMessageRecipient;
import org.bukkit.scoreboard.Scoreboard;

/** A player connected to the server. */
public interface Player extends HumanEntity, Conversable, CommandSender, OfflinePlayer, PluginMessageRecipient {
    String getDisplayName();

    void setDisplayName(String name);

    String getPlayerListName();

    void setPlayerListName(String name);

    InetSocketAddress getAddress();

    void sendRawMessage(String message);

    /** Disconnects the player with the given reason. */
    void kickPlayer(String message);

    /** Makes the player say something in chat, or run a command when it starts with "/". */
    void chat(String msg);

    /** Runs a command as this player; the text has no leading "/". */
    boolean performCommand(String command);

    boolean isSneaking();

    boolean isSprinting();

    boolean getAllowFlight();

    void setAllowFlight(boolean flight);

    boolean isFlying();

    void setFlying(boolean value);

    void setSneaking(boolean sneak);

    void setSprinting(boolean sprinting);

    void saveData();

    void loadData();

    void setSleepingIgnored(boolean isSleeping);

    boolean isSleepingIgnored();

    Location getCompassTarget();

    void setCompassTarget(Location loc);

    Location getBedSpawnLocation();

    void setBedSpawnLocation(Location location);

    /** Shows the client another block at the location; the world is not changed. */
    void sendBlockChange(Location loc, Material material, byte data);

    void sendBlockChange(Location loc, int material, byte data);

    /** Sends the client its whole inventory again. */
    void updateInventory();

    float getExp();

    void setExp(float exp);

    int getLevel();

    void setLevel(int level);

    int getTotalExperience();

    void setTotalExperience(int exp);

    void giveExp(int amount);

    void giveExpLevels(int amount);

    float getExhaustion();

    void setExhaustion(float value);

    float getSaturation();

    void setSaturation(float value);

    int getFoodLevel();

    void setFoodLevel(int value);

    long getPlayerTime();

    boolean isPlayerTimeRelative();

    void resetPlayerTime();

    float getFlySpeed();

    float getWalkSpeed();

    boolean canSee(Player player);

    boolean isHealthScaled();

    void setHealthScaled(boolean scale);

    void setHealthScale(double scale);

    double getHealthScale();

    // --- the world as this player alone sees and hears it ---

    /** Sets the respawn point; with force it is kept even where no bed stands. */
    void setBedSpawnLocation(Location location, boolean force);

    /** Plays a note block's note to this player alone. */
    @Deprecated
    void playNote(Location loc, byte instrument, byte note);

    void playNote(Location loc, Instrument instrument, Note note);

    void playSound(Location location, Sound sound, float volume, float pitch);

    /** Plays a sound by the game's own name ("random.click"). */
    void playSound(Location location, String sound, float volume, float pitch);

    @Deprecated
    void playEffect(Location loc, Effect effect, int data);

    <T> void playEffect(Location loc, Effect effect, T data);

    /** Sends a cuboid of block data; false when it was not sent. */
    @Deprecated
    boolean sendChunkChange(Location loc, int sx, int sy, int sz, byte[] data);

    /** Shows this player other lines on a sign, without changing the world. */
    void sendSignChange(Location loc, String[] lines) throws IllegalArgumentException;

    void sendMap(MapView map);

    /**
     * Sets this player's own time of day: relative, it runs on from the world's time by that
     * offset; otherwise it stays at that time.
     */
    void setPlayerTime(long time, boolean relative);

    long getPlayerTimeOffset();

    void setPlayerWeather(WeatherType type);

    /** The weather this player was given, or null when he sees the world's. */
    WeatherType getPlayerWeather();

    void resetPlayerWeather();

    /** Hides this player from him: his client no longer shows him, nor lists him. */
    void hidePlayer(Player player);

    void showPlayer(Player player);

    /** The flying speed, -1 to 1 (the game's is 0.1). */
    void setFlySpeed(float value) throws IllegalArgumentException;

    /** The walking speed, -1 to 1 (the game's is 0.2). */
    void setWalkSpeed(float value) throws IllegalArgumentException;

    @Deprecated
    void setTexturePack(String url);

    void setResourcePack(String url);

    // --- achievements and statistics, kept for the session ---

    /** Awards the achievement, and its parents first. */
    void awardAchievement(Achievement achievement);

    void removeAchievement(Achievement achievement);

    boolean hasAchievement(Achievement achievement);

    void incrementStatistic(Statistic statistic) throws IllegalArgumentException;

    void decrementStatistic(Statistic statistic) throws IllegalArgumentException;

    void incrementStatistic(Statistic statistic, int amount) throws IllegalArgumentException;

    void decrementStatistic(Statistic statistic, int amount) throws IllegalArgumentException;

    void setStatistic(Statistic statistic, int newValue) throws IllegalArgumentException;

    int getStatistic(Statistic statistic) throws IllegalArgumentException;

    void incrementStatistic(Statistic statistic, Material material) throws IllegalArgumentException;

    void decrementStatistic(Statistic statistic, Material material) throws IllegalArgumentException;

    int getStatistic(Statistic statistic, Material material) throws IllegalArgumentException;

    void incrementStatistic(Statistic statistic, Material material, int amount) throws IllegalArgumentException;

    void decrementStatistic(Statistic statistic, Material material, int amount) throws IllegalArgumentException;

    void setStatistic(Statistic statistic, Material material, int newValue) throws IllegalArgumentException;

    void incrementStatistic(Statistic statistic, EntityType entityType) throws IllegalArgumentException;

    void decrementStatistic(Statistic statistic, EntityType entityType) throws IllegalArgumentException;

    int getStatistic(Statistic statistic, EntityType entityType) throws IllegalArgumentException;

    void incrementStatistic(Statistic statistic, EntityType entityType, int amount) throws IllegalArgumentException;

    void decrementStatistic(Statistic statistic, EntityType entityType, int amount);

    void setStatistic(Statistic statistic, EntityType entityType, int newValue);

    // --- scoreboard ---

    Scoreboard getScoreboard();

    /** Shows this player another scoreboard; a scoreboard no manager made is refused. */
    void setScoreboard(Scoreboard scoreboard) throws IllegalArgumentException, IllegalStateException;
}
