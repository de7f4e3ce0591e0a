package org.bukkit.entity;

import java.net.InetSocketAddress;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.OfflinePlayer;
import org.bukkit.command.CommandSender;
import org.bukkit.plugin.messaging.PluginMessageRecipient;

/** A player connected to the server. */
public interface Player extends HumanEntity, CommandSender, OfflinePlayer, PluginMessageRecipient {
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
}
