package org.bukkit.entity;

import java.net.InetSocketAddress;

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
}
