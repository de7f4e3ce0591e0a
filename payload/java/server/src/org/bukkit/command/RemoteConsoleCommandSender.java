package org.bukkit.command;

/** The sender of commands that come over the remote console. */
public interface RemoteConsoleCommandSender extends CommandSender {
}
