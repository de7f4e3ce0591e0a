package org.bukkit.command;

import org.bukkit.Server;
import org.bukkit.permissions.Permissible;

/** Whoever runs a command: the console or a player. */
public interface CommandSender extends Permissible {
    void sendMessage(String message);

    void sendMessage(String[] messages);

    Server getServer();

    String getName();
}
