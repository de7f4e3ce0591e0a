package org.bukkit.command;

/** The server console as a command sender. */
public interface ConsoleCommandSender extends CommandSender {
}
